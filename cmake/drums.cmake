# Helpers shared by every layer's CMakeLists.

# drums_sources(VAR dir...): every .cpp below the given folders, re-globbed on each build.
function(drums_sources out)
  set(all)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(APPEND all ${found})
  endforeach()
  set(${out} ${all} PARENT_SCOPE)
endfunction()

# drums_test(DIR LIBS...): one GoogleTest executable from tests/<DIR>/**.cpp,
# named after the folder (tests/win/gdi -> win_gdi_tests), registered with CTest
# case by case.
function(drums_test dir)
  string(REPLACE "/" "_" name ${dir})
  drums_sources(srcs ${CMAKE_CURRENT_SOURCE_DIR}/${dir})
  if(NOT srcs)
    return()
  endif()
  add_executable(${name}_tests ${srcs})
  set_target_properties(${name}_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name}_tests PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name}_tests PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  gtest_discover_tests(${name}_tests
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    PROPERTIES ENVIRONMENT "DRUMS_HOST=headless;DRUMS_USER_DIR=${CMAKE_BINARY_DIR}/tests/user-dir;DRUMS_PROGRAM_DIR=${DRUMS_PROGRAM_DIR};DRUMS_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
    DISCOVERY_TIMEOUT 60)
endfunction()
