# The host's and the tests' libraries, from Debian's packages. A cross build takes the
# header-only JSON and command-line libraries by copying their headers (adding /usr/include to a cross compiler's
# search path would mix in the build machine's C library) and builds GoogleTest from
# Debian's sources.
if(NOT CMAKE_CROSSCOMPILING)
  find_package(nlohmann_json 3 REQUIRED)
  find_package(CLI11 2 REQUIRED)
  if(ZARVEL_TESTS)
    find_package(GTest REQUIRED)
  endif()
  return()
endif()

set(ZARVEL_JSON_INCLUDE ${CMAKE_BINARY_DIR}/third_party/include)
file(COPY /usr/include/nlohmann DESTINATION ${ZARVEL_JSON_INCLUDE})
add_library(zarvel_json INTERFACE)
target_include_directories(zarvel_json SYSTEM INTERFACE ${ZARVEL_JSON_INCLUDE})
add_library(nlohmann_json::nlohmann_json ALIAS zarvel_json)
file(COPY /usr/include/CLI DESTINATION ${ZARVEL_JSON_INCLUDE})
add_library(CLI11::CLI11 ALIAS zarvel_json)

if(ZARVEL_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/third_party/googletest EXCLUDE_FROM_ALL)
  foreach(target gtest gtest_main)
    target_compile_options(${target} PRIVATE -w)
    if(NOT TARGET GTest::${target})
      add_library(GTest::${target} ALIAS ${target})
    endif()
  endforeach()
endif()
