# Installs the build into a fresh prefix and checks that the programs, the
# manual pages and the documents arrive where a packager expects them, and
# that the installed exporter runs.
# Arguments: -DBUILD_DIR=... -DPREFIX=... -DWITH_WINDOW=ON|OFF -DVERSION=...
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()

set(expected
  bin/nodewick-export
  share/man/man1/nodewick-export.1
  share/doc/Nodewick/README.md
  share/doc/Nodewick/LICENSE
  share/doc/Nodewick/design-file.md
  share/doc/Nodewick/screenshot-main-window.png)
if(WITH_WINDOW)
  list(APPEND expected bin/nodewick share/man/man1/nodewick.1)
endif()
foreach(file IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# The manual pages are documents, not a folder of their own under the docs.
if(EXISTS "${PREFIX}/share/doc/Nodewick/man")
  message(FATAL_ERROR "the manual pages were copied into the documents as well")
endif()

execute_process(COMMAND "${PREFIX}/bin/nodewick-export" --version
                RESULT_VARIABLE ran OUTPUT_VARIABLE printed)
if(NOT ran EQUAL 0 OR NOT printed STREQUAL "nodewick-export ${VERSION}\n")
  message(FATAL_ERROR "the installed nodewick-export --version gave ${ran}: ${printed}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
