# Fails when a translation lacks a text of the sources or leaves one
# unfinished. Runs lupdate on copies, so the .ts files themselves stay as
# they are.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(copies)
foreach(ts ${TS_FILES})
    file(COPY ${TS_DIR}/${ts} DESTINATION ${WORK})
    list(APPEND copies ${WORK}/${ts})
endforeach()
execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none @${SOURCES} -ts ${copies}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${result}")
endif()
set(missing "")
foreach(ts ${TS_FILES})
    file(READ ${WORK}/${ts} content)
    # A ";" (as in "&quot;") would split CMake's list of matches.
    string(REPLACE ";" "{semicolon}" content "${content}")
    string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" entries "${content}")
    foreach(entry ${entries})
        string(REGEX REPLACE "<source>([^<]*)</source>.*" "\\1" text "${entry}")
        string(REPLACE "{semicolon}" ";" text "${text}")
        string(APPEND missing "\n  ${ts}: ${text}")
    endforeach()
endforeach()
if(missing)
    message(FATAL_ERROR "Texts without a translation (cmake --build <build> --target "
                        "update_translations, then translate them in translations/):${missing}")
endif()
