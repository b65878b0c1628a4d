# Outside libraries beyond the ones the top CMakeLists.txt finds, each looked
# up once here; their targets are visible to every directory below.
pkg_check_modules(LIBUDEV REQUIRED IMPORTED_TARGET libudev)
# Debian's SBC codec: the reference in decoder tests and benchmarks, and the
# encoder of the simulated receiver.
pkg_check_modules(SBC REQUIRED IMPORTED_TARGET sbc)

if(TALKVANE_BUILD_TESTS)
  find_package(Qt5 5.15 REQUIRED COMPONENTS Test)
endif()
