# libzip and zlib for the page, built with Emscripten from Debian's own source tarballs, each
# pinned by the SHA-256 sum of Debian's signed Sources index: the page's unzip library is the
# program's, compiled against the same libzip as Debian 12 installs for the program.
include(ExternalProject)
include(FetchContent)

set(debian_pool http://deb.debian.org/debian/pool/main)
set(zip_libraries ${PROJECT_BINARY_DIR}/zip-libraries)
set(zip_library_options
  -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
  -DCMAKE_BUILD_TYPE=Release
  -DCMAKE_INSTALL_PREFIX=${zip_libraries}
  -DCMAKE_INSTALL_LIBDIR=lib
  -DBUILD_SHARED_LIBS=OFF)

# zlib's own build wants files the Debian tarball leaves out: its few sources are compiled here.
FetchContent_Populate(zlib_sources
  URL ${debian_pool}/z/zlib/zlib_1.3.dfsg+really1.3.1.orig.tar.gz
  URL_HASH SHA256=60dd315c07f616887caa029408308a018ace66e3d142726a97db164b3b8f69fb
  DOWNLOAD_EXTRACT_TIMESTAMP ON
  SOURCE_DIR ${PROJECT_BINARY_DIR}/zlib-sources
  QUIET)
set(zlib ${PROJECT_BINARY_DIR}/zlib-sources)
add_library(linked_zlib STATIC)
foreach(file adler32 compress crc32 deflate infback inffast inflate inftrees trees uncompr zutil)
  target_sources(linked_zlib PRIVATE ${zlib}/${file}.c)
endforeach()
target_include_directories(linked_zlib SYSTEM PUBLIC ${zlib})
# Not our code: its warnings are its maintainers' business.
target_compile_options(linked_zlib PRIVATE -w)

ExternalProject_Add(libzip_sources
  URL ${debian_pool}/libz/libzip/libzip_1.7.3.orig.tar.xz
  URL_HASH SHA256=a60473ffdb7b4260c08bfa19c2ccea0438edac11193c3afbbb1f17fbcf6c6132
  DOWNLOAD_EXTRACT_TIMESTAMP ON
  DEPENDS linked_zlib
  # Only what reading an export needs: inflating, CRC-32 and the traditional encryption, whose
  # members the unzip library refuses anyway.
  CMAKE_ARGS ${zip_library_options}
    -DZLIB_INCLUDE_DIR=${zlib} -DZLIB_LIBRARY=$<TARGET_FILE:linked_zlib>
    -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF
    -DENABLE_WINDOWS_CRYPTO=OFF -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF
    -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF
    # Its size checks run a test program, which a cross build cannot: WebAssembly's sizes.
    -DHAVE_SIZEOF_OFF_T=TRUE -DSIZEOF_OFF_T=8 -DHAVE_SIZEOF_SIZE_T=TRUE -DSIZEOF_SIZE_T=4
  BUILD_BYPRODUCTS ${zip_libraries}/lib/libzip.a)

# What the unzip library links, as pkg-config gives it on the desktop.
file(MAKE_DIRECTORY ${zip_libraries}/include)
add_library(linked_libzip INTERFACE)
target_include_directories(linked_libzip SYSTEM INTERFACE ${zip_libraries}/include)
target_link_libraries(linked_libzip INTERFACE ${zip_libraries}/lib/libzip.a linked_zlib)
add_dependencies(linked_libzip libzip_sources)
