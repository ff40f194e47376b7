# Places what a workspace needs beside the executables: links to the installed BLAST+ programs in
# blast_bin/, and the resources/ tree (R scripts, circos configuration) copied over as it changes.
file(MAKE_DIRECTORY ${TALLOWBY_BIN_DIR}/blast_bin)
foreach(tool blastn makeblastdb)
  find_program(TALLOWBY_${tool}_PROGRAM ${tool})
  if(TALLOWBY_${tool}_PROGRAM)
    file(CREATE_LINK ${TALLOWBY_${tool}_PROGRAM} ${TALLOWBY_BIN_DIR}/blast_bin/${tool} SYMBOLIC)
  else()
    message(WARNING "${tool} not found: blast_bin/${tool} is missing (scripts/setup installs ncbi-blast+)")
  endif()
endforeach()

file(GLOB_RECURSE TALLOWBY_RESOURCE_FILES CONFIGURE_DEPENDS
  RELATIVE ${CMAKE_SOURCE_DIR}/resources ${CMAKE_SOURCE_DIR}/resources/*)
set(TALLOWBY_RESOURCE_OUTPUTS)
foreach(rel ${TALLOWBY_RESOURCE_FILES})
  if(rel MATCHES "^icons/")
    continue()
  endif()
  set(out ${TALLOWBY_BIN_DIR}/${rel})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/resources/${rel} ${out}
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/${rel} VERBATIM)
  list(APPEND TALLOWBY_RESOURCE_OUTPUTS ${out})
endforeach()
add_custom_target(workspace_resources ALL DEPENDS ${TALLOWBY_RESOURCE_OUTPUTS})
