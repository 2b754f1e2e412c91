# Helpers that keep the per-folder CMake files to a line or two, and make the layers hold.
#
# Every library publishes the headers of its own folders through an include tree of its own
# in the build folder (build/<kind>/include/<library>/<folder>/<header>, links to src/). A
# source sees the trees of its own library and of the libraries it links, nothing else, so
# an include that runs against the layers finds no file and the build fails.

# tv_publish_headers(target folder...): links src/<folder>/*.h into the target's include tree
# and puts the tree on the target's public include path.
function(tv_publish_headers target)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  file(REMOVE_RECURSE ${root})
  foreach(folder ${ARGN})
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header ${headers})
      get_filename_component(header_name ${header} NAME)
      file(CREATE_LINK ${header} ${root}/${folder}/${header_name} SYMBOLIC)
    endforeach()
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# tv_library(name FOLDERS a b ... [EXCLUDE regex] [DEPS ...]): one static library of every .cpp
# in the given src/ folders, publishing their headers.
function(tv_library name)
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
  tv_publish_headers(${name} ${ARG_FOLDERS})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  target_compile_options(${name} PRIVATE ${TV_STRICT_WARNINGS})
endfunction()

# tv_test_program(name folder [DEPS ...]): one GoogleTest program of every .cpp in tests/<folder>.
# It sees tests/ (the shared harness and the folder's own fixtures) and the headers of DEPS.
function(tv_test_program name folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest_main)
  target_compile_options(${name} PRIVATE ${TV_STRICT_WARNINGS})
  set_property(GLOBAL APPEND PROPERTY TV_TEST_PROGRAMS ${name})
endfunction()
