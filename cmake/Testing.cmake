include(GoogleTest)

set(BRISANCE_TEST_DIR ${CMAKE_BINARY_DIR}/tests)

# Environment of every test process: Qt draws offscreen, sanitizers stop at the
# first report, and leaks inside the system's own libraries (fontconfig, Qt's
# plugin loader) are not ours to report.
set(BRISANCE_TEST_ENV
  QT_QPA_PLATFORM=offscreen
  "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
  "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
  "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0")

# brisance_add_gtest(<name> [QT] SOURCES <files...> [LIBS <targets...>])
# A GoogleTest program whose every test runs in its own process with a fresh
# temporary machine root (see platform/testing). QT gives it a QApplication.
function(brisance_add_gtest name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BRISANCE_TEST_DIR})
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE platform_testmain_qt)
  else()
    target_link_libraries(${name} PRIVATE platform_testmain)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${BRISANCE_TEST_ENV}" TIMEOUT 120)
endfunction()
