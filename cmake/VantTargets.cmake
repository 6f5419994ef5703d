# Shared settings for every target of the project.
function(vant_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_FOREACH)
endfunction()

# vant_add_test(NAME name [GUI | SCREEN <width>x<height>x<percent>] SOURCES ...): a GoogleTest
# executable linked with the libraries and the test support code. GUI tests run on the offscreen
# platform; SCREEN tests on an offscreen screen of that many device pixels, scaled to that percent.
function(vant_add_test)
  cmake_parse_arguments(T "GUI" "NAME;SCREEN" "SOURCES" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  vant_target_defaults(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE vant_test_support GTest::gtest)
  if(T_GUI)
    target_link_libraries(${T_NAME} PRIVATE vant_gui_test_main vant_program Qt6::Test)
  elseif(T_SCREEN)
    string(REPLACE "x" ";" screen "${T_SCREEN}")
    list(GET screen 0 width)
    list(GET screen 1 height)
    list(GET screen 2 percent)
    target_sources(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/screen_test_main.cpp)
    target_compile_definitions(${T_NAME} PRIVATE VANT_TEST_SCREEN_WIDTH=${width}
      VANT_TEST_SCREEN_HEIGHT=${height} VANT_TEST_SCREEN_PERCENT=${percent})
    target_link_libraries(${T_NAME} PRIVATE vant_program Qt6::Test)
  else()
    target_link_libraries(${T_NAME} PRIVATE vant_core_test_main)
  endif()
  # Every test records the statements it sends, for the statement check (tests/statements).
  gtest_discover_tests(${T_NAME}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" FIXTURES_REQUIRED recorded_statements
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60)
endfunction()

# A program that links every object of a layer's library: an object that calls into a layer
# above it leaves a symbol that the layers below cannot give, and the build fails.
function(vant_layer_check layer)
  add_executable(${layer}_layer_check ${PROJECT_SOURCE_DIR}/cmake/layer_check.cpp)
  target_link_libraries(${layer}_layer_check PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${layer}>")
endfunction()
