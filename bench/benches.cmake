# zp_bench(<file name without .cpp> <libraries...>)

# Fuzz target of the state reader: clang and -DZP_FUZZ=ON only, run by tools/fuzz_estado.sh, never by CI.
option(ZP_FUZZ "Build the libFuzzer targets (clang only)" OFF)
if(ZP_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    add_executable(fuzz_estado ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_estado.cpp)
    target_compile_options(fuzz_estado PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(fuzz_estado PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(fuzz_estado PRIVATE settings_core soporte)
endif()
zp_bench(pacing kit platform)
zp_bench(final_mano engine)
zp_bench(historico scores_core)
zp_bench(red network_core soporte)
