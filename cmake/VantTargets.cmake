# Shared settings for every target of the project.
function(vant_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_FOREACH)
endfunction()

# The headers that most files of a library or program include, precompiled once: vantdb compiles
# them and every other target of its flags reuses that (a file then compiles in roughly half the
# time). WIDGETS adds the widgets' common headers, precompiled for that one target. A target that
# reuses them has vantdb's compile definitions and may add its own.
# (ccache caches such files only with sloppiness=pch_defines,time_macros.)
function(vant_common_headers target)
  cmake_parse_arguments(H "WIDGETS" "" "" ${ARGN})
  set(headers <QString> <QStringList> <QList> <QDate> <QVariant> <memory> <optional>)
  if(H_WIDGETS)
    target_precompile_headers(${target} PRIVATE ${headers} <QWidget> <QLabel> <QPushButton> <QLineEdit>
      <QKeyEvent>)
  elseif(target STREQUAL "vantdb")
    target_precompile_headers(${target} PRIVATE ${headers})
  else()
    target_precompile_headers(${target} REUSE_FROM vantdb)
  endif()
endfunction()

# The headers that nearly every test file includes, precompiled once by the test support library
# and reused by each test program; its own compile definitions stay on the files that use them.
function(vant_test_headers target)
  if(target STREQUAL "vant_test_support")
    target_precompile_headers(${target} PRIVATE <gtest/gtest.h> <QString> <QStringList> <QDir> <QFile>
      <QTemporaryDir> <memory>)
  else()
    target_precompile_headers(${target} REUSE_FROM vant_test_support)
  endif()
endfunction()

# vant_add_test(NAME name [GUI | SCREENS <width>x<height>x<percent>...] SOURCES ...): a GoogleTest
# program linked with the libraries and the test support code; each of its cases is a test for
# ctest. GUI tests run on the offscreen platform; SCREENS tests once on each offscreen screen of
# that many device pixels, scaled to that percent (ctest names end in "@screen").
function(vant_add_test)
  cmake_parse_arguments(T "GUI" "NAME" "SCREENS;SOURCES" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  # Compiled eight files at a time, which costs far less than one by one: the files of a program
  # share a translation unit, so their file-local names must differ too.
  set_target_properties(${T_NAME} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  vant_target_defaults(${T_NAME})
  vant_test_headers(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE vant_test_support GTest::gtest)
  if(T_GUI)
    target_link_libraries(${T_NAME} PRIVATE vant_gui_test_main vant_program Qt6::Test)
  elseif(T_SCREENS)
    target_link_libraries(${T_NAME} PRIVATE vant_screen_test_main vant_program Qt6::Test)
  else()
    target_link_libraries(${T_NAME} PRIVATE vant_core_test_main)
  endif()
  # Every test records the statements it sends, for the statement check (tests/statements).
  if(NOT T_SCREENS)
    gtest_discover_tests(${T_NAME}
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" FIXTURES_REQUIRED recorded_statements
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 60)
  endif()
  foreach(screen IN LISTS T_SCREENS)
    gtest_discover_tests(${T_NAME}
      TEST_SUFFIX "@${screen}"
      PROPERTIES ENVIRONMENT "VANT_TEST_SCREEN=${screen}" FIXTURES_REQUIRED recorded_statements
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 60)
  endforeach()
endfunction()

# A program that links every object of a layer's library: an object that calls into a layer
# above it leaves a symbol that the layers below cannot give, and the build fails.
function(vant_layer_check layer)
  add_executable(${layer}_layer_check ${PROJECT_SOURCE_DIR}/cmake/layer_check.cpp)
  set_target_properties(${layer}_layer_check PROPERTIES AUTOMOC OFF)
  target_link_libraries(${layer}_layer_check PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${layer}>")
endfunction()
