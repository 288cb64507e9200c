# nodewick, the window.
add_executable(nodewick window_main.cpp)
target_link_libraries(nodewick PRIVATE nodewick_ui nodewick_start)
target_compile_definitions(nodewick PRIVATE NODEWICK_VERSION="${PROJECT_VERSION}")
install(TARGETS nodewick RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
