# The standard library, Qt and GoogleTest headers that nearly every source
# includes, precompiled once per build and shared: parsing them again for each
# source was most of a cold build's time.
#
# Each set is made by a target of its own (never run or linked into anything)
# that the compiling targets take it from. GCC uses a precompiled header only
# for a source compiled with the same options and the same values of the macros
# it was made with; it warns otherwise (CMake turns on -Winvalid-pch), and the
# warning is an error here, so a target that cannot share a set fails to build
# rather than silently parsing everything again.

set(_brisance_std_headers
  <algorithm> <array> <filesystem> <functional> <map> <memory> <optional>
  <string> <string_view> <utility> <vector>)
set(_brisance_qt_headers
  <QAction> <QApplication> <QCheckBox> <QComboBox> <QEvent> <QGroupBox>
  <QImage> <QKeyEvent> <QLabel> <QLineEdit> <QMenu> <QPainter> <QPixmap>
  <QPushButton> <QRadioButton> <QVBoxLayout> <QWidget>)

# The libraries' set: position-independent code, like every library here.
add_library(brisance_library_headers OBJECT ${PROJECT_SOURCE_DIR}/cmake/PrecompiledHeaders.cpp)
target_link_libraries(brisance_library_headers PRIVATE Qt6::Widgets Qt6::PrintSupport)
target_precompile_headers(brisance_library_headers PRIVATE
  ${_brisance_std_headers} ${_brisance_qt_headers})

# brisance_use_library_headers(<targets...>)
# Compiles the given libraries with the libraries' precompiled set.
function(brisance_use_library_headers)
  foreach(target IN LISTS ARGN)
    target_precompile_headers(${target} REUSE_FROM brisance_library_headers)
  endforeach()
endfunction()

# The test programs' sets, with the test programs' own options
# (BRISANCE_TEST_COMPILE_OPTIONS, Testing.cmake): one for every test program,
# and one with Qt's widgets and test library for those that drive widgets.
function(_brisance_add_test_headers name)
  add_executable(${name} ${PROJECT_SOURCE_DIR}/cmake/PrecompiledHeaders.cpp)
  target_compile_options(${name} PRIVATE ${BRISANCE_TEST_COMPILE_OPTIONS})
  target_link_libraries(${name} PRIVATE GTest::gmock GTest::gtest ${ARGN})
  target_precompile_headers(${name} PRIVATE
    <gtest/gtest.h> <gmock/gmock.h> <fstream> <thread> ${_brisance_std_headers})
endfunction()
# Every test program links the platform, and with it Qt's options and macros.
_brisance_add_test_headers(brisance_test_headers Qt6::Widgets Qt6::PrintSupport)
_brisance_add_test_headers(brisance_test_headers_qt Qt6::Widgets Qt6::PrintSupport Qt6::Test)
target_precompile_headers(brisance_test_headers_qt PRIVATE ${_brisance_qt_headers} <QTest>)
