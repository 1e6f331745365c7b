# The libraries that builds without a Debian system to link against compile from source (the
# page, with Emscripten): the very tarballs Debian builds its packages from, each pinned by the
# SHA-256 sum in the signed Sources index of the release named beside it. Nothing else is
# downloaded, and nothing unchecked is used.
set(debian_pool http://deb.debian.org/debian/pool/main)
# For each library: its tarball in the pool, then its SHA-256.
set(debian_zlib  # Debian 13
  z/zlib/zlib_1.3.dfsg+really1.3.1.orig.tar.gz
  60dd315c07f616887caa029408308a018ace66e3d142726a97db164b3b8f69fb)
set(debian_libzip  # Debian 12
  libz/libzip/libzip_1.7.3.orig.tar.xz
  a60473ffdb7b4260c08bfa19c2ccea0438edac11193c3afbbb1f17fbcf6c6132)
set(debian_bzip2  # Debian 12 and 13
  b/bzip2/bzip2_1.0.8.orig.tar.gz
  ab5a03176ee106d3f0fa90e381da478ddae405918153cca248e682cd0c4a2269)
set(debian_mbedtls  # Debian 12
  m/mbedtls/mbedtls_2.28.3.orig.tar.gz
  3b4953aa55a681e084d31892d9904cc5328d6b4958ea57b90ae4b4f94ae69a8d)
set(debian_libraries zlib libzip bzip2 mbedtls)

# Sets `variable` to the tarball of `library` in `folder`, fetched from Debian's archive unless
# it is already there, checked. Where the archive cannot be reached, `variable` is left empty
# and `unreachable` is set to why; a tarball that is not the pinned one stops everything.
function(debian_source library folder variable unreachable)
  list(GET debian_${library} 0 path)
  list(GET debian_${library} 1 pinned)
  get_filename_component(name ${path} NAME)
  set(tarball ${folder}/${name})
  set(${variable} "" PARENT_SCOPE)
  set(${unreachable} "" PARENT_SCOPE)
  # A download is checked before it takes the tarball's name, so that nothing unchecked stays.
  set(candidate ${tarball})
  if(NOT EXISTS ${tarball})
    set(candidate ${tarball}.part)
    file(DOWNLOAD ${debian_pool}/${path} ${candidate} STATUS status INACTIVITY_TIMEOUT 30)
    list(GET status 0 code)
    list(GET status 1 text)
    if(NOT code EQUAL 0)
      file(REMOVE ${candidate})
      # 22: the archive answered with an HTTP error, which no retry mends.
      if(code EQUAL 22)
        message(FATAL_ERROR "${debian_pool}/${path}: ${text}")
      endif()
      set(${unreachable} "${text}" PARENT_SCOPE)
      return()
    endif()
  endif()
  file(SHA256 ${candidate} sum)
  if(NOT sum STREQUAL pinned)
    if(NOT candidate STREQUAL tarball)
      file(REMOVE ${candidate})
    endif()
    message(FATAL_ERROR "${candidate}: SHA-256 ${sum}, not the pinned ${pinned}")
  endif()
  if(NOT candidate STREQUAL tarball)
    file(RENAME ${candidate} ${tarball})
  endif()
  set(${variable} ${tarball} PARENT_SCOPE)
endfunction()
