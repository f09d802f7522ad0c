# Cross-building for 32-bit Windows with Debian's MinGW-w64: the released executables, which
# run on 32-bit Windows too and, like their 32-bit host, get its file virtualization.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TTZ_MINGW i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-comun.cmake)
