# Cross build for 32-bit Windows with Debian's MinGW-w64 (package g++-mingw-w64-i686-posix),
# the build that is shipped (see scripts/package-windows.sh): the host program is a 32-bit
# program, and a 32-bit build runs on every Windows.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUENDAL_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)

# Nothing of this build runs at build time: it packages the clips the 64-bit build spoke
# (scripts/package-windows.sh). Its tests run under whichever wine runs 32-bit programs
# on the machine, chosen by trying (scripts/test-windows.sh), through
# -DCMAKE_CROSSCOMPILING_EMULATOR=cmake/wine-run.sh.
