# Builds the Debian package from this build folder and checks it: the program, its guard,
# the 125 clips, the desktop entry, the metadata, the icon, the user unit, the copyright
# file, the guide and the manual pages inside; no lintian errors, nor any tag on the pages;
# and, unpacked into a throwaway root, the node runs headless from there with no display. -DBUILD=<build folder> -DWORK=<scratch folder>.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/root ${WORK}/station)
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${WORK} --config ${BUILD}/CPackConfig.cmake
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB deb ${WORK}/quendal_*.deb)
if(NOT code EQUAL 0 OR NOT deb)
  message(FATAL_ERROR "cpack: exit ${code}\n${out}")
endif()
file(SIZE ${deb} size)
message("package: ${deb}, ${size} bytes")

execute_process(COMMAND dpkg-deb -c ${deb} OUTPUT_VARIABLE contents)
foreach(path usr/bin/quendal usr/bin/quendal-sim usr/libexec/quendal/quendal
        usr/libexec/quendal/quendal-guard usr/libexec/quendal/hora/hrs23.wav
        usr/libexec/quendal/temperatura/tmp040.wav usr/share/applications/quendal.desktop
        usr/share/metainfo/org.example.korva.Quendal.metainfo.xml
        usr/share/icons/hicolor/scalable/apps/quendal.svg usr/lib/systemd/user/quendal.service
        usr/share/doc/quendal/copyright usr/share/doc/quendal/changelog.gz
        usr/share/doc/quendal/guia.html usr/share/man/man1/quendal.1.gz
        usr/share/man/man1/quendal-sim.1.gz)
  if(NOT contents MATCHES "\\./${path}[\n ]")
    message(FATAL_ERROR "${path} is not in the package:\n${contents}")
  endif()
endforeach()
string(REGEX MATCHALL "\\.wav\n" clips "${contents}")
list(LENGTH clips count)
execute_process(COMMAND dpkg-deb -f ${deb} Depends OUTPUT_VARIABLE depends)
if(NOT count EQUAL 125 OR NOT depends MATCHES "libqt6core6")
  message(FATAL_ERROR "${count} clips; Depends: ${depends}")
endif()

find_program(LINTIAN lintian)
if(LINTIAN)
  execute_process(COMMAND ${LINTIAN} --tag-display-limit 0 ${deb} OUTPUT_VARIABLE tags
                  ERROR_VARIABLE tags)
  message("lintian:\n${tags}")
  if(tags MATCHES "(^|\n)E: ")
    message(FATAL_ERROR "lintian errors")
  endif()
  if(tags MATCHES "(^|\n)[EWI]: [^\n]*(manpage|manual-page)")
    message(FATAL_ERROR "lintian on the manual pages")
  endif()
endif()

execute_process(COMMAND dpkg-deb -f ${deb} Package OUTPUT_VARIABLE name)
execute_process(COMMAND dpkg -x ${deb} ${WORK}/root)
execute_process(COMMAND dpkg-deb -I ${deb} OUTPUT_QUIET)
file(READ ${WORK}/root/usr/lib/systemd/user/quendal.service unit)
if(NOT unit MATCHES "ExecStart=/usr/libexec/quendal/quendal --headless --host rigctld")
  message(FATAL_ERROR "the unit does not start the installed node:\n${unit}")
endif()
# The automatic temperature with no temperatura.html: a box at the first tick.
file(WRITE ${WORK}/station/quendal.txt " 0 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n\r\n")
execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
                        timeout -s TERM 4 ${WORK}/root/usr/bin/quendal --headless --host sim
                WORKING_DIRECTORY ${WORK}/station ERROR_VARIABLE log OUTPUT_VARIABLE log)
if(NOT log MATCHES "MsgBox \"O arquivo  temperatura.html  não Existe!\" \"Quendal\"\n[^\n]* MsgBoxClosed OK")
  message(FATAL_ERROR "the unpacked node did not run headless:\n${log}")
endif()
