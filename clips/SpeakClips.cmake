# Speaks every line of the clip text table into its WAV file.
# cmake -DTEXTS=table -DOUT=folder -DESPEAK=espeak-ng -DSOX=sox -DSPEED=wpm -P SpeakClips.cmake
#
# espeak-ng ends every utterance with about 0.3 s of silence; sox cuts it back to 50 ms so
# a clip ends well inside the pause that follows it on the air.
file(STRINGS "${TEXTS}" lines ENCODING UTF-8)
file(MAKE_DIRECTORY "${OUT}/hora" "${OUT}/temperatura")
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^([^\t]+)\t(.+)$")
    message(FATAL_ERROR "${TEXTS}: malformed line '${line}'")
  endif()
  set(name "${CMAKE_MATCH_1}")
  set(text "${CMAKE_MATCH_2}")
  # Written under a temporary name so a failed run never leaves a clip that looks finished.
  execute_process(
    COMMAND "${ESPEAK}" -v pt-br -s ${SPEED} --stdout "${text}"
    COMMAND "${SOX}" -q -t wav - "${OUT}/${name}.part.wav" reverse silence 1 0.01 0.1% reverse pad 0 0.05
    RESULTS_VARIABLE results
    ERROR_VARIABLE errors)
  if(NOT results STREQUAL "0;0")
    file(REMOVE "${OUT}/${name}.part.wav")
    message(FATAL_ERROR "speaking ${name} ('${text}') failed (${results}): ${errors}")
  endif()
  file(RENAME "${OUT}/${name}.part.wav" "${OUT}/${name}")
endforeach()
