# Cross build for 64-bit Windows (Debian: g++-mingw-w64-x86-64-posix). Not for
# P-CAD's workstation: it lets the Windows code paths be tested under 64-bit
# Wine on a host whose kernel cannot run 32-bit programs. The DBX record
# layouts hold no pointer-sized field, so the stand-in dbx32.dll built the
# same way is loaded exactly as the 32-bit build loads the real one.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(NODEWICK_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw_common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
