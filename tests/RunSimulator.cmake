# Runs quendal-sim on SCENARIO and fails unless it prints exactly EXPECTED. EMULATOR, when
# set, runs the program (wine for a Windows build, whose console output ends lines with
# CR LF; the timeline is compared line by line).
execute_process(COMMAND ${EMULATOR} ${SIM} ${SCENARIO} OUTPUT_VARIABLE actual RESULT_VARIABLE status)
string(REPLACE "\r\n" "\n" actual "${actual}")
file(READ ${EXPECTED} expected)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "quendal-sim exited with ${status}")
endif()
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "timeline differs:\n${actual}\nexpected:\n${expected}")
endif()
