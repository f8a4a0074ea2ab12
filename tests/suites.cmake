# One line per test folder: zp_test(<folder> [QT] LIBS <libraries>)
zp_test(engine LIBS engine soporte)
zp_test(platform QT LIBS platform)
zp_test(kit QT LIBS kit assets)
zp_test(assets QT LIBS assets platform)
zp_test(settings LIBS settings_core soporte)
zp_test(settings_ui QT LIBS settings_ui assets soporte)
zp_test(network LIBS network_core soporte)
zp_test(network_ui QT LIBS network soporte assets)
if(TARGET tests_network_ui)
    # The match between processes runs the developer program once per computer.
    target_compile_definitions(tests_network_ui PRIVATE ZP_PARTIDA_RED="$<TARGET_FILE:partida_red>")
    add_dependencies(tests_network_ui partida_red)
endif()
zp_test(scores LIBS scores_core)
zp_test(scores_ui QT LIBS scores_ui assets)
# The races of network play run two or three computers each, every one the whole program in its own process.
zp_test(table QT LIBS table soporte APARTE "CarreraNuevaPartida.*:ArranqueEnRed.*:CierreEnRed.*:HistoricoEnRed.*")
zp_procesos(table "CarreraNuevaPartida.*:CierreEnRed.*:HistoricoEnRed.*" 2)
zp_procesos(table "ArranqueEnRed.*" 3)
if(TARGET tests_table)
    # Network play against a host in a process of its own: the developer program plays it.
    target_compile_definitions(tests_table PRIVATE ZP_PARTIDA_RED="$<TARGET_FILE:partida_red>")
    add_dependencies(tests_table partida_red)
endif()
zp_test(visual QT LIBS table soporte xcb)
# A computer of a network game as a person uses it: the whole program with its own pauses, driven through its
# input and reporting what its table shows; the table tests race two of them.
add_executable(ordenador_en_red soporte/red/ordenador_en_red.cpp)
target_compile_options(ordenador_en_red PRIVATE ${ZP_WARNINGS_AS_ERRORS})
target_link_libraries(ordenador_en_red PRIVATE table Qt6::Test)
if(TARGET tests_table)
    target_compile_definitions(tests_table PRIVATE ZP_ORDENADOR_EN_RED="$<TARGET_FILE:ordenador_en_red>")
    add_dependencies(tests_table ordenador_en_red)
endif()
# The program's sounds played on a sound server of the test's own and recorded from its sink.
zp_test(sonido QT LIBS kit assets)
# The sound output's two threads under the thread checker: its own code built for it (the rest as the
# program has it), in a program the sound tests start beside their server. Not with another sanitizer.
if(TARGET tests_sonido AND NOT CMAKE_CXX_FLAGS MATCHES "sanitize")
    add_executable(muchos_sonidos sonido/hilos/muchos_sonidos.cpp
        ${PROJECT_SOURCE_DIR}/platform/sound_output.cpp ${PROJECT_SOURCE_DIR}/platform/wav.cpp)
    target_compile_options(muchos_sonidos PRIVATE ${ZP_WARNINGS_AS_ERRORS} -fsanitize=thread)
    target_link_options(muchos_sonidos PRIVATE -fsanitize=thread)
    target_include_directories(muchos_sonidos PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(muchos_sonidos PRIVATE platform PkgConfig::PULSE Qt6::Core)
    target_compile_definitions(tests_sonido PRIVATE ZP_MUCHOS_SONIDOS="$<TARGET_FILE:muchos_sonidos>")
    add_dependencies(tests_sonido muchos_sonidos)
endif()
