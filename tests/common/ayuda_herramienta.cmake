# A developer program asked for --help prints its usage lines and ends with status 0.
# cmake -DPROGRAMA=<path> -DNOMBRE=<name> -P ayuda_herramienta.cmake
execute_process(COMMAND ${PROGRAMA} --help RESULT_VARIABLE estado OUTPUT_VARIABLE salida ERROR_VARIABLE errores)
if(NOT estado EQUAL 0)
    message(FATAL_ERROR "${NOMBRE} --help ended with status ${estado}: ${errores}")
endif()
if(NOT salida MATCHES "^uso: ${NOMBRE} ")
    message(FATAL_ERROR "${NOMBRE} --help printed: ${salida}")
endif()
