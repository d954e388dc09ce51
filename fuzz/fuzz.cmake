# Run by CTest: first every kept input once, then about a minute of fuzzing.
file(REMOVE_RECURSE ${TRABAJO})
file(MAKE_DIRECTORY ${TRABAJO}/corpus ${TRABAJO}/artefactos)
file(GLOB semillas ${SEMILLAS}/*)
file(GLOB regresiones ${REGRESIONES}/*)
file(COPY ${semillas} ${regresiones} DESTINATION ${TRABAJO}/corpus)

execute_process(COMMAND ${FUZZER} -runs=0 ${TRABAJO}/corpus
    WORKING_DIRECTORY ${TRABAJO}
    RESULT_VARIABLE resultado)
if(NOT resultado EQUAL 0)
    message(FATAL_ERROR "A kept input fails again (${resultado}).")
endif()

# A minute of fuzzing stays near 60 MB; memory that grows with the inputs run fails here.
execute_process(COMMAND ${FUZZER} -max_total_time=60 -rss_limit_mb=256 -timeout=10
        -print_final_stats=1 -artifact_prefix=${TRABAJO}/artefactos/ ${TRABAJO}/corpus
    WORKING_DIRECTORY ${TRABAJO}
    RESULT_VARIABLE resultado)
if(NOT resultado EQUAL 0)
    message(FATAL_ERROR "The fuzzer found a failing input (${resultado}); "
        "it is in ${TRABAJO}/artefactos/ and belongs in fuzz/regresiones/.")
endif()
