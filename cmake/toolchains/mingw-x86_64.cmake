# 64-bit Windows, cross-built with MinGW-w64 and run under Wine; scripts/build-windows builds
# FOLDER/x64 with it.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw_triplet x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
