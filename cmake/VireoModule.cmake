# One folder, one target.
#
# Every module of pdm/ and every layer of platform/ is a library whose top-level headers
# are reachable only by the targets that link it: they are exposed under their
# project-relative path (for example "pdm/links/Uri.h") through a per-target include
# root in the build tree. A module that includes a header of a module it does not name,
# or a header below another module's top level, fails to compile.

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

# vireo_module(<target> [SHARED] [PUBLIC <targets and libraries>...] [PRIVATE <targets and libraries>...])
#
# Builds the .cpp files of the calling folder and of its inner folders into <target>.
# Platform layers are shared libraries (the host program and the plug-in must see one
# host); plug-in modules are static and end up inside the plug-in library.
#
# The headers at the top of the folder are the module's face: only they are reachable by
# the targets that link it. Headers below (internal/, and the inner folders) are reachable
# by the module's own sources and by its tests through <target>_internals. A dependency is
# PUBLIC when a top-level header includes it and PRIVATE when only the sources do; a
# module names every module it includes.
function(vireo_module target)
  cmake_parse_arguments(ARG "SHARED" "" "PUBLIC;PRIVATE;DEPS" ${ARGN})
  if(ARG_DEPS)
    message(FATAL_ERROR "vireo_module(${target}): name dependencies as PUBLIC or PRIVATE")
  endif()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  # An inner folder with a CMakeLists.txt of its own is a target of its own.
  file(GLOB_RECURSE own_lists "${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt")
  foreach(list IN LISTS own_lists)
    get_filename_component(own_folder "${list}" DIRECTORY)
    list(FILTER sources EXCLUDE REGEX "^${own_folder}/")
    list(FILTER headers EXCLUDE REGEX "^${own_folder}/")
  endforeach()
  file(GLOB public_headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  file(RELATIVE_PATH rel "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")

  # The public root holds a link to each top-level header; the private root links the
  # whole folder.
  set(public_root "${CMAKE_BINARY_DIR}/include/${target}")
  set(private_root "${CMAKE_BINARY_DIR}/include-internal/${target}")
  file(REMOVE_RECURSE "${public_root}" "${private_root}")
  file(MAKE_DIRECTORY "${public_root}/${rel}")
  foreach(header IN LISTS public_headers)
    get_filename_component(name "${header}" NAME)
    file(CREATE_LINK "${header}" "${public_root}/${rel}/${name}" SYMBOLIC)
  endforeach()
  get_filename_component(parent "${private_root}/${rel}" DIRECTORY)
  file(MAKE_DIRECTORY "${parent}")
  file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${private_root}/${rel}" SYMBOLIC)

  if(sources)
    if(ARG_SHARED)
      add_library(${target} SHARED ${sources} ${headers})
    else()
      add_library(${target} STATIC ${sources} ${headers})
    endif()
    target_include_directories(${target} PUBLIC "${public_root}" PRIVATE "${private_root}")
    target_link_libraries(${target} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
  else()
    if(ARG_PRIVATE)
      message(FATAL_ERROR "vireo_module(${target}): a module of headers only has no PRIVATE dependencies")
    endif()
    add_library(${target} INTERFACE ${headers})
    target_include_directories(${target} INTERFACE "${public_root}")
    target_link_libraries(${target} INTERFACE ${ARG_PUBLIC})
  endif()

  # What the module's tests see besides its face: its internal headers and what they include.
  add_library(${target}_internals INTERFACE)
  target_include_directories(${target}_internals INTERFACE "${private_root}")
  target_link_libraries(${target}_internals INTERFACE ${target} ${ARG_PRIVATE})
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
