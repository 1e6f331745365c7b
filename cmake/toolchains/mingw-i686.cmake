# 32-bit Windows, cross-built with MinGW-w64 and run under Wine where a 32-bit Wine is
# installed; scripts/build-windows builds FOLDER/x86 with it.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(mingw_triplet i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
