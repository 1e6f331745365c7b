# libzip, with zlib, bzip2 and mbed TLS, for the builds that have no Debian system to link
# against (the page, with Emscripten; Windows, with MinGW-w64), built as static libraries from
# Debian's own source tarballs (cmake/DebianSources.cmake): their unzip library is the
# program's, compiled against the same libzip as Debian 12 installs for the program, inflating,
# unpacking bzip2 and decrypting AES as that one does.
include(ExternalProject)
include(FetchContent)
include(${PROJECT_SOURCE_DIR}/cmake/DebianSources.cmake)

# Sets `folder` to the unpacked sources of `library`, under the build folder.
function(unpacked_debian_source library folder)
  debian_source(${library} ${PROJECT_BINARY_DIR}/debian-sources tarball unreachable)
  if(NOT tarball)
    message(FATAL_ERROR "Debian's source archive cannot be reached (${unreachable}) and the "
                        "sources of ${library} are not in ${PROJECT_BINARY_DIR}/debian-sources")
  endif()
  FetchContent_Populate(${library}_sources URL ${tarball} DOWNLOAD_EXTRACT_TIMESTAMP ON
    SOURCE_DIR ${PROJECT_BINARY_DIR}/${library}-sources QUIET)
  set(${folder} ${PROJECT_BINARY_DIR}/${library}-sources PARENT_SCOPE)
endfunction()

# A static library of C sources (the arguments after `headers`) that publishes the headers of
# `headers`.
function(library_from_sources name headers)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} SYSTEM PUBLIC ${headers})
  # Not our code: its warnings are its maintainers' business.
  target_compile_options(${name} PRIVATE -w)
endfunction()

# Their own builds want more than a library (files Debian's zlib tarball leaves out, bzip2's
# Makefile, mbed TLS's programs and tests): their library sources are compiled here.
unpacked_debian_source(zlib zlib)
set(zlib_files adler32 compress crc32 deflate infback inffast inflate inftrees trees uncompr zutil)
list(TRANSFORM zlib_files REPLACE "(.+)" "${zlib}/\\1.c")
library_from_sources(linked_zlib ${zlib} ${zlib_files})

unpacked_debian_source(bzip2 bzip2)
set(bzip2_files blocksort bzlib compress crctable decompress huffman randtable)
list(TRANSFORM bzip2_files REPLACE "(.+)" "${bzip2}/\\1.c")
library_from_sources(linked_bzip2 ${bzip2} ${bzip2_files})

# Its cryptography only, without TLS and certificates; the link keeps what libzip calls.
unpacked_debian_source(mbedtls mbedtls)
file(GLOB mbedtls_files ${mbedtls}/library/*.c)
list(FILTER mbedtls_files EXCLUDE REGEX "/(ssl|x509|net_sockets|debug|certs|pkcs11)[^/]*\\.c$")
library_from_sources(linked_mbedcrypto ${mbedtls}/include ${mbedtls_files})

set(zip_libraries ${PROJECT_BINARY_DIR}/zip-libraries)
# Its size checks do not work with Emscripten: WebAssembly's sizes. With MinGW-w64 they do.
set(libzip_sizes "")
if(EMSCRIPTEN)
  set(libzip_sizes
    -DHAVE_SIZEOF_OFF_T=TRUE -DSIZEOF_OFF_T=8 -DHAVE_SIZEOF_SIZE_T=TRUE -DSIZEOF_SIZE_T=4)
endif()
set(libzip_c_flags -w)  # not our code either
# MinGW-w64's off_t has 32 bits unless asked for 64, and libzip seeks its FILE streams with it.
# Its Windows file source stores the ANSI and wide file functions behind `const void *`
# parameters, which GCC 14 (Debian 13) refuses unless told that it is a warning.
if(WIN32)
  string(APPEND libzip_c_flags " -D_FILE_OFFSET_BITS=64 -Wno-error=incompatible-pointer-types")
endif()
unpacked_debian_source(libzip libzip)
ExternalProject_Add(libzip_build
  SOURCE_DIR ${libzip}
  DEPENDS linked_zlib linked_bzip2 linked_mbedcrypto
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=${zip_libraries}
    -DCMAKE_INSTALL_LIBDIR=lib
    -DBUILD_SHARED_LIBS=OFF
    -DCMAKE_C_FLAGS=${libzip_c_flags}
    # Only what reading an export needs: inflating, bzip2, CRC-32, the traditional encryption
    # and AES.
    -DZLIB_INCLUDE_DIR=${zlib} -DZLIB_LIBRARY=$<TARGET_FILE:linked_zlib>
    -DENABLE_BZIP2=ON
    -DBZIP2_INCLUDE_DIR=${bzip2} -DBZIP2_LIBRARY_RELEASE=$<TARGET_FILE:linked_bzip2>
    -DENABLE_MBEDTLS=ON
    -DMbedTLS_INCLUDE_DIR=${mbedtls}/include -DMbedTLS_LIBRARY=$<TARGET_FILE:linked_mbedcrypto>
    -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_OPENSSL=OFF
    -DENABLE_WINDOWS_CRYPTO=OFF -DENABLE_LZMA=OFF
    -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF
    ${libzip_sizes}
  BUILD_BYPRODUCTS ${zip_libraries}/lib/libzip.a)

# What the unzip library links, as pkg-config gives it on the desktop.
file(MAKE_DIRECTORY ${zip_libraries}/include)
# An imported library rather than a path, so that what it needs always follows it on a link
# line, wherever else those libraries were named first.
add_library(linked_libzip STATIC IMPORTED GLOBAL)
set_target_properties(linked_libzip PROPERTIES IMPORTED_LOCATION ${zip_libraries}/lib/libzip.a)
target_include_directories(linked_libzip SYSTEM INTERFACE ${zip_libraries}/include)
target_link_libraries(linked_libzip INTERFACE linked_zlib linked_bzip2 linked_mbedcrypto)
add_dependencies(linked_libzip libzip_build)
