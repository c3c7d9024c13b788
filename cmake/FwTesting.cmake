# GoogleTest for both trees: the host's packaged library natively, and the
# packaged source (/usr/src/googletest) built with the cross compiler for Windows.
if(FW_WINDOWS)
  set(FW_GTEST_SRC /usr/src/googletest CACHE PATH "GoogleTest source tree")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(${FW_GTEST_SRC} ${CMAKE_BINARY_DIR}/_gtest EXCLUDE_FROM_ALL)
  set(FW_GTEST_LIBS gtest gtest_main)
else()
  find_package(GTest REQUIRED)
  set(FW_GTEST_LIBS GTest::gtest GTest::gtest_main)
endif()

# fw_test_suite(NAME DIR LIBS...): one test executable from every *.cpp in DIR,
# registered with CTest as one test (run under Wine in the win tree).
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/testtmp)

function(fw_test_suite name dir)
  file(GLOB _src CONFIGURE_DEPENDS ${dir}/*.cpp)
  add_executable(${name} ${_src})
  target_link_libraries(${name} PRIVATE ${ARGN} ${FW_GTEST_LIBS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "FW_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data;FW_TEST_TMP=${CMAKE_BINARY_DIR}/testtmp")
endfunction()
