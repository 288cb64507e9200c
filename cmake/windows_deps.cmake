# The header-only libraries and GoogleTest for the Windows cross build. The
# host's /usr/include is not on the cross compiler's path (its system headers
# are Linux's); only the two header-only libraries are linked into a folder of
# the build tree of their own, and GoogleTest is built from Debian's sources.
set(NODEWICK_HOST_INCLUDE /usr/include CACHE PATH "Where the host's nlohmann and CLI headers are")
set(_nodewick_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${_nodewick_headers})
foreach(_folder nlohmann CLI)
  if(NOT EXISTS ${NODEWICK_HOST_INCLUDE}/${_folder})
    message(FATAL_ERROR "${NODEWICK_HOST_INCLUDE}/${_folder} is missing: install nlohmann-json3-dev and libcli11-dev")
  endif()
  file(CREATE_LINK ${NODEWICK_HOST_INCLUDE}/${_folder} ${_nodewick_headers}/${_folder} SYMBOLIC)
endforeach()

add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${_nodewick_headers})
add_library(CLI11::CLI11 INTERFACE IMPORTED)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${_nodewick_headers})

if(NODEWICK_BUILD_TESTS)
  set(NODEWICK_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources (Debian: googletest)")
  if(NOT EXISTS ${NODEWICK_GOOGLETEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "${NODEWICK_GOOGLETEST_SOURCE} is missing: install googletest")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # It names its targets GTest::gtest, GTest::gmock and their _main forms itself.
  add_subdirectory(${NODEWICK_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# Test programs are listed when ctest runs, under Wine, not at every link.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# The windows' resources (the About box picture).
enable_language(RC)
