include(GoogleTest)

# Every GoogleTest case of a test program becomes a CTest test of its own, <prefix>.<Suite>.<Case>,
# so that a failure names the case. Under Wine the list is read when the tests run, through the
# emulator, so that building needs no Wine. Extra arguments are test properties.
function(quorva_add_gtests target prefix)
  if(CMAKE_CROSSCOMPILING)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/harness/support/BinaryStdout_win.cpp
                                     ${PROJECT_SOURCE_DIR}/tests/harness/support/TempAppData_win.cpp)
    # The temporary application-data folder is the support library's.
    target_link_libraries(${target} PRIVATE quorva_test_support)
    set(mode PRE_TEST)
  else()
    set(mode POST_BUILD)
  endif()
  gtest_discover_tests(${target}
    TEST_PREFIX "${prefix}."
    DISCOVERY_MODE ${mode}
    DISCOVERY_TIMEOUT 120
    PROPERTIES ${ARGN})
endfunction()
