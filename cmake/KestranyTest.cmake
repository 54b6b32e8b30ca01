# Declares one test program and its CTest test:
#   kestrany_add_test(NAME [WINDOWS] SOURCES files... [LIBRARIES libs...] [ENVIRONMENT VAR=value...])
# WINDOWS links the window test main (offscreen platform, the program's font);
# otherwise the plain test main. Both make a failed event handler fail the test.
function(kestrany_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 TEST "WINDOWS" "" "SOURCES;LIBRARIES;ENVIRONMENT")
  add_executable(${name} ${TEST_SOURCES})
  if(TEST_WINDOWS)
    target_link_libraries(${name} PRIVATE kestrany_window_test_main)
    list(APPEND TEST_ENVIRONMENT QT_QPA_PLATFORM=offscreen)
  else()
    target_link_libraries(${name} PRIVATE kestrany_test_main)
  endif()
  target_link_libraries(${name} PRIVATE ${TEST_LIBRARIES} GTest::gtest)
  add_test(NAME ${name} COMMAND ${name})
  if(TEST_ENVIRONMENT)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${TEST_ENVIRONMENT}")
  endif()
endfunction()
