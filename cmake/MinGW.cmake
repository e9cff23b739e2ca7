# What both MinGW-w64 cross builds share; the toolchain files set QUENDAL_MINGW_PREFIX and
# CMAKE_SYSTEM_PROCESSOR, then include this. The posix thread model, because the win32 one
# lacks the std::thread and std::mutex that GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)

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
