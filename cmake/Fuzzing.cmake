# libFuzzer targets, built when BRISANCE_FUZZ is on. They need clang: the whole
# tree is then compiled with coverage feedback, AddressSanitizer and
# UndefinedBehaviorSanitizer, so that the readers the targets call are
# instrumented as well as the targets themselves. Line tables (-g1) are all
# that a finding's stack trace needs.
#
# Each target lands in the build tree's fuzz/ folder, and fuzz/targets.txt
# lists every target with the folder of its seed corpus (scripts/fuzz.sh reads it).
set(BRISANCE_FUZZ_DIR ${CMAKE_BINARY_DIR}/fuzz)

if(BRISANCE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "BRISANCE_FUZZ needs clang (CC=clang CXX=clang++), not ${CMAKE_CXX_COMPILER_ID}")
  endif()
  set(_brisance_fuzz_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(-fsanitize=fuzzer-no-link ${_brisance_fuzz_san} -g1 -O1)
  add_link_options(${_brisance_fuzz_san})
  add_custom_target(fuzzers)
  file(WRITE ${BRISANCE_FUZZ_DIR}/targets.txt "")
endif()

# brisance_add_fuzzer(<name> SOURCES <files...> [LIBS <targets...>])
# A libFuzzer target of the calling component, whose sources lie in the
# component's fuzz/ folder and whose seed corpus is fuzz/seeds/<name>.
# Nothing when BRISANCE_FUZZ is off.
function(brisance_add_fuzzer name)
  if(NOT BRISANCE_FUZZ)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BRISANCE_FUZZ_DIR})
  add_dependencies(fuzzers ${name})
  file(APPEND ${BRISANCE_FUZZ_DIR}/targets.txt "${name}\t${CMAKE_CURRENT_SOURCE_DIR}/fuzz/seeds/${name}\n")
endfunction()
