# Puts every pinned Debian source tarball in FOLDER, checked:
#   cmake -DFOLDER=folder -P cmake/FetchDebianSources.cmake
# Prints one line saying why when Debian's archive cannot be reached for one that is missing,
# and nothing when all are there.
include(${CMAKE_CURRENT_LIST_DIR}/DebianSources.cmake)
foreach(library ${debian_libraries})
  debian_source(${library} ${FOLDER} tarball unreachable)
  if(NOT tarball)
    message(NOTICE "Debian's source archive cannot be reached (${unreachable}) and the pinned "
                   "sources are not in ${FOLDER}")
    return()
  endif()
endforeach()
