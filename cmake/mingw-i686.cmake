# Cross build for 32-bit Windows with Debian's MinGW-w64 toolchain (the -posix variants,
# whose C++ library has std::thread and std::mutex, which GoogleTest needs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
# GCC 12 reports std::string concatenations inlined at -O3 as overlapping copies (a known
# false positive of -Wrestrict in that release); warnings stay errors otherwise.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
# Every program and module links the compiler's runtime in, so that it needs no DLL but the
# system's own; a release build leaves out the runtime's debugging sections.
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
  set(CMAKE_${kind}_LINKER_FLAGS_RELEASE_INIT "-s")
  set(CMAKE_${kind}_LINKER_FLAGS_MINSIZEREL_INIT "-s")
endforeach()
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Windows programs built here run under Wine: tests, and test discovery.
find_program(ZARVEL_WINE NAMES wine)
if(ZARVEL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZARVEL_WINE})
endif()
