# Every outside library, looked up once here; their targets are visible to
# every directory below.
find_package(Qt5 5.15 REQUIRED COMPONENTS Core Gui Widgets Network WebSockets Concurrent Multimedia Sql LinguistTools)
# Web pages and their script bridge; only talkvane_web links these.
find_package(Qt5 5.15 REQUIRED COMPONENTS WebEngineWidgets WebChannel)
# The Bluetooth LE link to the mouse; D-Bus to tell whether BlueZ is running.
find_package(Qt5 5.15 REQUIRED COMPONENTS Bluetooth DBus)
find_package(CURL REQUIRED)
# HMAC-SHA1 of the Tencent Cloud recognition signature.
find_package(OpenSSL 3 REQUIRED COMPONENTS Crypto)
find_package(X11 REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(HIDAPI REQUIRED IMPORTED_TARGET hidapi-hidraw)
find_package(Threads REQUIRED)
pkg_check_modules(LIBUDEV REQUIRED IMPORTED_TARGET libudev)
# Debian's SBC codec: the reference in decoder tests and benchmarks, and the
# encoder of the simulated receiver.
pkg_check_modules(SBC REQUIRED IMPORTED_TARGET sbc)

if(TALKVANE_BUILD_TESTS)
  find_package(Qt5 5.15 REQUIRED COMPONENTS Test)
endif()
