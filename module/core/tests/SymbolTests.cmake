# The audiogram symbol images: their tests and the contact-sheet writer.
#
# The golden files are the plain contact sheets golden/symbols-16.png and
# golden/symbols-24.png, compared pixel for pixel; golden/*-numbered.png are
# the same sheets magnified with the numbers, for people to review. After
# changing the artwork, regenerate all four and review the numbered copies in
# the same commit:
#   cmake --build build --target symbol_contact_sheets
#   build/tests/symbol_contact_sheets module/core/tests/golden
# A failing comparison leaves the actual sheet and a difference image in
# build/module/core/tests/symbol-failures. No test writes a golden.
add_library(symbol_contact_sheet STATIC ContactSheet.cpp)
target_link_libraries(symbol_contact_sheet PUBLIC brisance)

add_executable(symbol_contact_sheets SymbolContactSheets.cpp)
target_link_libraries(symbol_contact_sheets PRIVATE symbol_contact_sheet)
set_target_properties(symbol_contact_sheets PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BRISANCE_TEST_DIR})

brisance_add_module_test(core_symbol_tests
  SOURCES
    CSymbolsTest.cpp
    SymbolCatalogueTest.cpp
    SymbolChartTest.cpp
    SymbolRulesTest.cpp
  LIBS symbol_contact_sheet)
target_compile_definitions(core_symbol_tests PRIVATE
  SYMBOL_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden"
  SYMBOL_FAILURE_DIR="${CMAKE_CURRENT_BINARY_DIR}/symbol-failures")
