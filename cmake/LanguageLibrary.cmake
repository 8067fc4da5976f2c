# String tables and language libraries.
#
# A string table is a UTF-8 text file of ids and texts (its form is described
# in platform/system/StringTableSource.h):
#     # comment
#     5000 "Ok"
#     5321 "Multiple AC Curves transfered.\nChoose data to accept."
# At build time it becomes the source of the exported lookup function that
# platform::system::loadString() calls, so a library carrying it is loaded by
# path and its texts are read by id.

# brisance_add_string_table(<target> <table file>)
# Builds the table into an existing library target.
function(brisance_add_string_table target table)
  get_filename_component(table_path "${table}" ABSOLUTE)
  get_filename_component(table_name "${table}" NAME_WE)
  set(generated "${CMAKE_CURRENT_BINARY_DIR}/${target}_${table_name}_strings.cpp")
  add_custom_command(
    OUTPUT "${generated}"
    COMMAND brisance-stringtable "${table_path}" "${generated}"
    DEPENDS brisance-stringtable "${table_path}"
    COMMENT "Compiling the string table ${table}"
    VERBATIM)
  target_sources(${target} PRIVATE "${generated}")
endfunction()

# brisance_add_language_library(<target> TABLE <table file>
#                               [OUTPUT_NAME <file name without .so>]
#                               [OUTPUT_DIRECTORY <folder>])
# A library that holds only a string table: "<OUTPUT_NAME>.so" (default: the
# target's name) in the program folder's "Language Resources" unless another
# folder is given.
function(brisance_add_language_library target)
  cmake_parse_arguments(ARG "" "TABLE;OUTPUT_NAME;OUTPUT_DIRECTORY" "" ${ARGN})
  if(NOT ARG_TABLE)
    message(FATAL_ERROR "brisance_add_language_library(${target}): TABLE is required")
  endif()
  if(NOT ARG_OUTPUT_NAME)
    set(ARG_OUTPUT_NAME ${target})
  endif()
  if(NOT ARG_OUTPUT_DIRECTORY)
    set(ARG_OUTPUT_DIRECTORY "${BRISANCE_PROGRAM_DIR}/Language Resources")
  endif()
  add_library(${target} MODULE)
  brisance_add_string_table(${target} "${ARG_TABLE}")
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME "${ARG_OUTPUT_NAME}"
    LIBRARY_OUTPUT_DIRECTORY "${ARG_OUTPUT_DIRECTORY}")
endfunction()
