# nodewick, the window.
add_executable(nodewick window_main.cpp)
target_link_libraries(nodewick PRIVATE nodewick_ui nodewick_start)
