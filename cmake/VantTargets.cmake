# Shared settings for every target of the project.
function(vant_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_FOREACH)
endfunction()

# vant_add_test(NAME name [GUI] SOURCES ...): a GoogleTest executable linked with the
# libraries and the test support code; GUI tests run on the offscreen platform.
function(vant_add_test)
  cmake_parse_arguments(T "GUI" "NAME" "SOURCES" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  vant_target_defaults(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE vant_test_support GTest::gtest)
  if(T_GUI)
    target_link_libraries(${T_NAME} PRIVATE vant_gui_test_main vantui Qt6::Test)
  else()
    target_link_libraries(${T_NAME} PRIVATE vant_core_test_main)
  endif()
  gtest_discover_tests(${T_NAME}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60)
endfunction()
