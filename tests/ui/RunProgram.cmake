# Starts the real program: --help must list --clock, and --screenshot must draw the four
# windows. Run with -DPROGRAM=<quendal> -DWORK=<scratch folder>; with -DX11=ON it runs on
# a virtual X display of its own through the real X11 platform plugin (the other window
# tests draw offscreen), and is skipped when no virtual display can be made.
set(display)
if(X11)
  find_program(XVFB_RUN xvfb-run)
  find_program(XAUTH xauth)
  if(NOT XVFB_RUN OR NOT XAUTH)
    message("skipped: xvfb-run or xauth is not installed (scripts/install-deps.sh installs them)")
    return()
  endif()
  set(display ${XVFB_RUN} -a -s "-screen 0 1024x768x24")
  unset(ENV{QT_QPA_PLATFORM})
  unset(ENV{WAYLAND_DISPLAY})
endif()

execute_process(COMMAND ${display} ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE code)
if(NOT code EQUAL 0 OR NOT help MATCHES "--clock")
  message(FATAL_ERROR "--help: exit ${code}, output:\n${help}")
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${display} ${PROGRAM} --clock 14:00:58 --screenshot ${WORK}/shots
                WORKING_DIRECTORY ${WORK} RESULT_VARIABLE code OUTPUT_VARIABLE out
                ERROR_VARIABLE err TIMEOUT 60)
foreach(picture main-window about help simulated-host)
  if(NOT code EQUAL 0 OR NOT EXISTS ${WORK}/shots/${picture}.png)
    message(FATAL_ERROR "--screenshot: exit ${code}, no ${picture}.png?\n${out}\n${err}")
  endif()
endforeach()
