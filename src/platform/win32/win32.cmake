# The Windows backends of the platform layer, added to a platform library
# the way src/CMakeLists.txt adds the X11 ones: one file set per platform.
set(TALKVANE_PLATFORM_WIN32_DIR ${CMAKE_CURRENT_LIST_DIR})

function(talkvane_platform_win32 target)
  set(dir ${TALKVANE_PLATFORM_WIN32_DIR})
  target_sources(${target} PRIVATE
    ${dir}/autostart_win32.cpp
    ${dir}/crash_handler_win32.cpp
    ${dir}/desktop_win32.cpp
    ${dir}/device_monitor_win32.cpp
    ${dir}/hotkeys_win32.cpp
    ${dir}/input_listeners_win32.cpp
    ${dir}/key_injector_win32.cpp
    ${dir}/session_win32.cpp
    ${dir}/win32_rules.cpp
    ${dir}/win32_util.cpp
  )
  # The W functions throughout; Windows 7 and later (RegGetValueW, RegSetKeyValueW).
  target_compile_definitions(${target} PRIVATE
    TALKVANE_PLATFORM_WIN32 UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  target_link_libraries(${target} PRIVATE user32 advapi32 dbghelp)
endfunction()
