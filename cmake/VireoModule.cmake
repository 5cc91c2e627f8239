# One folder, one target.
#
# Every module of pdm/ and every layer of platform/ is a library whose headers are
# reachable only by the targets that link it: the folder is exposed under its
# project-relative path (for example "pdm/links/Uri.h") through a per-target include
# root in the build tree. A module that includes a header of a module it does not
# depend on fails to compile.

# Adds every immediate sub-folder of DIR that holds a CMakeLists.txt.
function(vireo_add_subdirectories dir)
  file(GLOB children LIST_DIRECTORIES true "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*")
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY "${child}" AND EXISTS "${child}/CMakeLists.txt")
      add_subdirectory("${child}")
    endif()
  endforeach()
endfunction()

# vireo_module(<target> [SHARED] [DEPS <targets and libraries>...])
#
# Builds the .cpp files of the calling folder into <target>. Platform layers are
# shared libraries (the host program and the plug-in must see one host); plug-in
# modules are static and end up inside the plug-in library.
function(vireo_module target)
  cmake_parse_arguments(ARG "SHARED" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  file(RELATIVE_PATH rel "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
  set(root "${CMAKE_BINARY_DIR}/include/${target}")
  get_filename_component(parent "${root}/${rel}" DIRECTORY)
  file(MAKE_DIRECTORY "${parent}")
  file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${root}/${rel}" SYMBOLIC)
  if(sources)
    if(ARG_SHARED)
      add_library(${target} SHARED ${sources} ${headers})
    else()
      add_library(${target} STATIC ${sources} ${headers})
    endif()
    target_include_directories(${target} PUBLIC "${root}")
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  else()
    add_library(${target} INTERFACE ${headers})
    target_include_directories(${target} INTERFACE "${root}")
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# vireo_test(<name> DEPS <targets>...)
#
# One GoogleTest program from the .cpp files of the calling folder.
function(vireo_test name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE VIREO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "VIREO_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# vireo_bench(<name> DEPS <targets>...)
function(vireo_bench name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark)
  target_compile_definitions(${name} PRIVATE VIREO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endfunction()

# vireo_fuzzer(<name> SOURCES <file> DEPS <targets>...)
function(vireo_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzzers ${name})
endfunction()
