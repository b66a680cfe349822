# Runs a fuzz driver on one input that must be a finding: the run fails and the crash file
# holds the input.
file(WRITE ${WORK}/input ${INPUT})
file(REMOVE ${WORK}/crash)
execute_process(COMMAND ${DRIVER} --runs 0 --crash-file ${WORK}/crash ${WORK}/input
                RESULT_VARIABLE result ERROR_VARIABLE said)
if(result EQUAL 0)
    message(FATAL_ERROR "the driver passed an input that faults: ${INPUT}")
endif()
if(NOT EXISTS ${WORK}/crash)
    message(FATAL_ERROR "no crash file for ${INPUT}; the driver said: ${said}")
endif()
file(READ ${WORK}/crash kept)
if(NOT kept STREQUAL INPUT)
    message(FATAL_ERROR "the crash file holds '${kept}', not '${INPUT}'")
endif()
