# zp_bench(<file name without .cpp> <libraries...>)
