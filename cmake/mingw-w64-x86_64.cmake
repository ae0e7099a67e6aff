# Cross toolchain: 64-bit Windows programs built with mingw-w64 (posix threads, so that
# libstdc++ has std::mutex), linked statically, run on Linux through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(WYNDREL_MINGW_PREFIX x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${WYNDREL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WYNDREL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${WYNDREL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${WYNDREL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_C_FLAGS_INIT "-Wa,-mbig-obj")
set(CMAKE_CXX_FLAGS_INIT "-Wa,-mbig-obj")
# A release optimised for size: the program waits on the user and the editors, and with
# the C++ library linked in, -O3 makes wyndrel.exe over 1 MB. Set as the cached flags, not
# as their _INIT values: CMake appends GCC's "-O3 -DNDEBUG" to those, and the last -O wins.
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "Flags of the release build: optimised for size")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "Flags of the release build: optimised for size")

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
