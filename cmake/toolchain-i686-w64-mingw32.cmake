# Cross build for 32-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-i686-posix).
# The P-CAD DBX library is a 32-bit DLL, so the programs that load it must be
# 32-bit too. Everything is linked statically: one .exe runs with no DLLs
# beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(NODEWICK_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${NODEWICK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NODEWICK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${NODEWICK_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${NODEWICK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

# Test programs run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
