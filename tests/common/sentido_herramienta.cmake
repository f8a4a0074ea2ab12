# A developer program plays the other way round when told: the same seed with --sentido 1 and --sentido 2
# must not print the same match.
# cmake -DPROGRAMA=<path> -DNOMBRE=<name> -P sentido_herramienta.cmake
foreach(sentido 1 2)
    execute_process(COMMAND ${PROGRAMA} --semilla 3 --sentido ${sentido} ${OPCIONES}
                    OUTPUT_VARIABLE salida_${sentido} ERROR_VARIABLE errores RESULT_VARIABLE estado)
    if(NOT estado EQUAL 0)
        message(FATAL_ERROR "${NOMBRE} --sentido ${sentido} ended with status ${estado}: ${errores}")
    endif()
endforeach()
if(salida_1 STREQUAL salida_2)
    message(FATAL_ERROR "${NOMBRE} printed the same with --sentido 1 and --sentido 2:\n${salida_1}")
endif()
