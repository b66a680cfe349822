# Regenerates the game file into OUTPUT and fails unless it equals the committed one.
execute_process(COMMAND ${TOOL} ${SOURCE} ${SOURCE}/tools/gamefile/layout.json ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the game file generator failed (${result})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${SOURCE}/app/content/test_entities_save.json
                RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "app/content/test_entities_save.json is out of date: regenerate it with\n"
                        "  gamefile <repo> <repo>/tools/gamefile/layout.json <repo>/app/content/test_entities_save.json")
endif()
