# Windows resources for a program or a library of the project: its version information, in
# French, from the project's one version, and the program's icon when asked.
#   ferolan_windows_resources(TARGET DESCRIPTION "what the file is" [ICON])
# The .rc is made from packaging/windows/resources.rc.in in the target's build folder and
# compiled with the toolchain's windres (CMAKE_RC_COMPILER).
function(ferolan_windows_resources target)
  set(FEROLAN_WINDOWS_PACKAGING ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../packaging/windows)
  cmake_parse_arguments(PARSE_ARGV 1 arg "ICON" "DESCRIPTION" "")
  if(NOT arg_DESCRIPTION)
    message(FATAL_ERROR "ferolan_windows_resources(${target}): DESCRIPTION is missing")
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(FEROLAN_RC_FILE_TYPE VFT_APP)
  else()
    set(FEROLAN_RC_FILE_TYPE VFT_DLL)
  endif()
  set(FEROLAN_RC_DESCRIPTION "${arg_DESCRIPTION}")
  set(FEROLAN_RC_VERSION_NUMBERS
      "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0")
  set(FEROLAN_RC_VERSION "${PROJECT_VERSION}")
  set(FEROLAN_RC_ICON "")
  if(arg_ICON)
    set(FEROLAN_RC_ICON "1 ICON \"${FEROLAN_WINDOWS_PACKAGING}/ferolan.ico\"")
  endif()
  # The file's own name is known only at generation: the template's @variables@ first, then
  # $<TARGET_FILE_NAME:...>.
  set(configured ${CMAKE_CURRENT_BINARY_DIR}/${target}-resources.rc.in)
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${target}-resources.rc)
  configure_file(${FEROLAN_WINDOWS_PACKAGING}/resources.rc.in ${configured} @ONLY)
  file(GENERATE OUTPUT ${generated} INPUT ${configured} TARGET ${target})
  target_sources(${target} PRIVATE ${generated})
  if(arg_ICON)
    set_source_files_properties(${generated} PROPERTIES
      OBJECT_DEPENDS ${FEROLAN_WINDOWS_PACKAGING}/ferolan.ico)
  endif()
endfunction()
