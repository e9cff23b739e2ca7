# Cross build for 64-bit Windows with Debian's MinGW-w64 (packages g++-mingw-w64-x86-64-posix,
# mingw-w64-tools for widl), tests run under wine64; it speaks the clips for the shipped
# 32-bit build (cmake/mingw-w64-i686.cmake), and carries the Windows tests where no wine
# runs 32-bit programs:
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUENDAL_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)

# Test programs run under wine64 in a prefix of the build's own (see cmake/wine-run.sh).
find_program(QUENDAL_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(QUENDAL_WINE64 NAMES wine64 wine)
if(QUENDAL_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
endif()
