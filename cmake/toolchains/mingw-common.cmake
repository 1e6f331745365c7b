# What the two Windows toolchains share, for the triplet they set in `mingw_triplet` before
# including this file: Debian's MinGW-w64 compilers in their POSIX threads flavour (std::thread
# and std::mutex need it), and Wine to run what they build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

# Only the target's own headers and libraries, never the build machine's; its programs, though.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes and the threads library linked in, so that a program needs no DLL but
# Windows' own and the project's.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Wine, where it can run the target's programs; none otherwise, and they are built but not run.
# Debian 12's 64-bit loader is /usr/lib/wine/wine64 (its wine is a script that asks for wine32
# unless told to be quiet); Debian 13 has only wine. A 32-bit program needs Wine's 32-bit
# Windows side besides (wine32, or a Wine built for both).
if(mingw_triplet MATCHES "^x86_64")
  find_program(mingw_wine NAMES wine64 wine PATHS /usr/lib/wine NO_CACHE)
else()
  find_program(mingw_wine NAMES wine PATHS /usr/lib/wine NO_CACHE)
  file(GLOB mingw_wine32 /usr/lib/*/wine/i386-windows/kernel32.dll)
  if(NOT mingw_wine32)
    set(mingw_wine mingw_wine-NOTFOUND)
  endif()
  # Installed is not enough: a system that runs no 32-bit programs cannot start the loader.
  if(mingw_wine)
    execute_process(COMMAND ${mingw_wine} --version RESULT_VARIABLE mingw_wine_status
                    OUTPUT_QUIET ERROR_QUIET)
    if(NOT mingw_wine_status EQUAL 0)
      set(FEROLAN_WINE_UNUSABLE
          "${mingw_wine} is installed but cannot start: this system runs no 32-bit programs")
      set(mingw_wine mingw_wine-NOTFOUND)
    endif()
  endif()
endif()
if(mingw_wine)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${mingw_wine})
endif()
