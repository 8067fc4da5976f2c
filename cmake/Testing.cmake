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

# Test code is compiled for a quick build rather than a quick run: a test
# program spends its time in the code under test, which keeps the build's own
# optimisation, and line tables are all that its stack traces need. Qt's test
# library names each program's own folders in two macros that no test uses;
# left defined they would differ between programs and keep every program from
# the test headers precompiled once for all (PrecompiledHeaders.cmake).
set(BRISANCE_TEST_COMPILE_OPTIONS -O0 -g1 -UQT_TESTCASE_BUILDDIR -UQT_TESTCASE_SOURCEDIR)

# brisance_add_gtest(<name> [QT] SOURCES <files...> [LIBS <targets...>])
# A GoogleTest program whose every test runs in its own process with a fresh
# temporary machine root (see platform/testing). QT gives it a QApplication.
function(brisance_add_gtest name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BRISANCE_TEST_DIR})
  target_compile_options(${name} PRIVATE ${BRISANCE_TEST_COMPILE_OPTIONS})
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE platform_testmain_qt Qt6::PrintSupport Qt6::Test)
    target_precompile_headers(${name} REUSE_FROM brisance_test_headers_qt)
  else()
    target_link_libraries(${name} PRIVATE platform_testmain)
    target_precompile_headers(${name} REUSE_FROM brisance_test_headers)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${BRISANCE_TEST_ENV}" TIMEOUT 120)
endfunction()
