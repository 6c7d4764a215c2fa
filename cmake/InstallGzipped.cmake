# Installs a file compressed, as Debian ships manuals and changelogs: best compression, no
# name or time stamp in the gzip header, so every build makes the same bytes.
#   varnoke_install_gzipped(FILE DESTINATION [RENAME NAME])  installs DESTINATION/NAME.gz
function(varnoke_install_gzipped file destination)
  cmake_parse_arguments(arg "" "RENAME" "" ${ARGN})
  get_filename_component(name ${file} NAME)
  if(arg_RENAME)
    set(name ${arg_RENAME})
  endif()
  get_filename_component(file ${file} ABSOLUTE)
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND sh -c "gzip -n -9 -c \"$0\" >\"$1\"" ${file} ${compressed}
                     DEPENDS ${file} VERBATIM)
  string(MAKE_C_IDENTIFIER "gzip_${destination}_${name}" target)
  add_custom_target(${target} ALL DEPENDS ${compressed})
  install(FILES ${compressed} DESTINATION ${destination})
endfunction()
