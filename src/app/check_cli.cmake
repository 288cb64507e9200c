# nodewick-check, the netlist checker.
add_executable(nodewick-check check_main.cpp)
target_link_libraries(nodewick-check PRIVATE nodewick_check nodewick_start CLI11::CLI11)
target_compile_definitions(nodewick-check PRIVATE NODEWICK_VERSION="${PROJECT_VERSION}")
