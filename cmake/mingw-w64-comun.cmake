# What both MinGW-w64 cross builds share (Debian's POSIX threads variant); the including
# toolchain file sets CMAKE_SYSTEM_PROCESSOR and TTZ_MINGW, the compilers' prefix.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${TTZ_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TTZ_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TTZ_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TTZ_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Executables carry their runtime: no libstdc++, libgcc or winpthread DLL beside them. No link
# time in the header either, so that one commit always gives the same bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")
# Windows programs run under Wine on this machine, through the loader of their architecture:
# Debian's `wine` wrapper starts the 32-bit loader first, which some kernels cannot run. The
# 32-bit one goes through scripts/lib/wine32, which fits qemu's address space to the tests'
# memory limits where qemu runs it.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL x86)
  find_program(TTZ_CARGADOR_WINE wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
  get_filename_component(ttz_emulador ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/wine32 ABSOLUTE)
else()
  find_program(TTZ_CARGADOR_WINE wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
  set(ttz_emulador ${TTZ_CARGADOR_WINE})
endif()
if(TTZ_CARGADOR_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ttz_emulador})
endif()
