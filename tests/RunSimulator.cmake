# Runs quendal-sim on SCENARIO and fails unless it prints exactly EXPECTED.
execute_process(COMMAND ${SIM} ${SCENARIO} OUTPUT_VARIABLE actual RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "quendal-sim exited with ${status}")
endif()
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "timeline differs:\n${actual}\nexpected:\n${expected}")
endif()
