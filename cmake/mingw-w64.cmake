# Cross-building for 64-bit Windows with Debian's MinGW-w64: the build of the tests under Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TTZ_MINGW x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-comun.cmake)
