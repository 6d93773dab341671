# Runs the help compiler in the folder holding the pages and fails on anything it warns about: chmcmd
# reports a missing page or a broken link only as a warning and still succeeds.
# Variables: CHMCMD (the compiler), WORK (the folder with Trimlode.hhp), OUTPUT (where Trimlode.chm goes).
file(REMOVE ${WORK}/Trimlode.chm)
execute_process(
    COMMAND ${CHMCMD} --verbosity 1 Trimlode.hhp
    WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output MATCHES "(Warning|Error)" OR NOT EXISTS ${WORK}/Trimlode.chm)
    message(FATAL_ERROR "The help did not compile cleanly:\n${output}")
endif()
file(COPY_FILE ${WORK}/Trimlode.chm ${OUTPUT})
