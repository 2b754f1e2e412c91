# Helpers that keep the per-folder CMake files to a line or two.

# tv_folder_library(name folder [DEPS ...]): a static library of every .cpp in src/<folder>.
function(tv_folder_library name folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp)
  if(NOT sources)
    set(sources ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# tv_test_program(name folder [DEPS ...]): one GoogleTest program of every .cpp in tests/<folder>.
function(tv_test_program name folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest_main)
  set_property(GLOBAL APPEND PROPERTY TV_TEST_PROGRAMS ${name})
endfunction()

# tv_program_library(name FOLDERS a b ... [EXCLUDE regex] [DEPS ...]): one static library of
# several src/ folders. The program's subsystems share one library because their forms reach
# each other through the App in both directions.
function(tv_program_library name)
  cmake_parse_arguments(ARG "" "EXCLUDE" "FOLDERS;DEPS" ${ARGN})
  set(sources "")
  foreach(folder ${ARG_FOLDERS})
    file(GLOB folder_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp)
    list(APPEND sources ${folder_sources})
  endforeach()
  if(ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${ARG_EXCLUDE}")
  endif()
  if(NOT sources)
    set(sources ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()
