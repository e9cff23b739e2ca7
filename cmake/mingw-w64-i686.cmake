# Cross build for 32-bit Windows with Debian's MinGW-w64 (package g++-mingw-w64-i686-posix),
# the build that is shipped (see scripts/package-windows.sh): the host program is a 32-bit
# program, and a 32-bit build runs on every Windows. The posix thread model, as in the
# 64-bit build the tests run on (cmake/mingw-w64-x86_64.cmake).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(QUENDAL_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${QUENDAL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUENDAL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QUENDAL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUENDAL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Executables and DLLs carry their runtime, so they start on a bare Windows or wine.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Nothing of this build runs at build time: it is built without tests and packages the
# clips another build spoke (scripts/package-windows.sh), since this machine's kernel runs
# no 32-bit program and so no 32-bit wine.
