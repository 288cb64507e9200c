# Cross build for 32-bit Windows (Debian: g++-mingw-w64-i686-posix), the
# build that runs beside P-CAD: dbx32.dll is a 32-bit DLL, so the program
# that loads it must be 32-bit too.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(NODEWICK_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw_common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
