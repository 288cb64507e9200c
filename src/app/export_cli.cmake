# nodewick-export, the command-line exporter.
add_library(nodewick_export_cli STATIC dbx_probe.cpp export_options.cpp export_summary.cpp standard_input.cpp)
target_link_libraries(nodewick_export_cli PUBLIC nodewick_export PRIVATE nlohmann_json::nlohmann_json)
target_include_directories(nodewick_export_cli PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})

add_executable(nodewick-export export_main.cpp)
target_link_libraries(nodewick-export PRIVATE nodewick_export_cli nodewick_start nodewick_check CLI11::CLI11)
target_compile_definitions(nodewick-export PRIVATE NODEWICK_VERSION="${PROJECT_VERSION}")
if(WIN32)
  target_link_libraries(nodewick-export PRIVATE nodewick_dbx_library)
endif()
install(TARGETS nodewick-export RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
