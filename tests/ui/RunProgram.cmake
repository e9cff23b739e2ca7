# Starts the real program twice: --help must list --clock, and --screenshot must draw
# the four windows. Run with -DPROGRAM=<quendal> -DWORK=<scratch folder>.
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE code)
if(NOT code EQUAL 0 OR NOT help MATCHES "--clock")
  message(FATAL_ERROR "--help: exit ${code}, output:\n${help}")
endif()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${PROGRAM} --clock 14:00:58 --screenshot ${WORK}/shots
                WORKING_DIRECTORY ${WORK} RESULT_VARIABLE code OUTPUT_VARIABLE out
                ERROR_VARIABLE err TIMEOUT 60)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "--screenshot: exit ${code}\n${out}\n${err}")
endif()
foreach(picture main-window about help simulated-host)
  if(NOT EXISTS ${WORK}/shots/${picture}.png)
    message(FATAL_ERROR "no ${picture}.png\n${out}\n${err}")
  endif()
endforeach()
