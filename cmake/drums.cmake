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
# named after the folder (tests/win/gdi -> win_gdi_tests), registered with CTest.
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
  # One CTest entry per executable: the cases of a suite share one process, so a
  # run costs a dozen process starts instead of hundreds (sanitised start-up is
  # slow), and GoogleTest still names every failing case in the output.
  add_test(NAME ${name} COMMAND ${name}_tests --gtest_brief=1
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "DRUMS_HOST=headless;DRUMS_USER_DIR=${CMAKE_BINARY_DIR}/tests/user-dir;DRUMS_PROGRAM_DIR=${DRUMS_PROGRAM_DIR};DRUMS_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()
