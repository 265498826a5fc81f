# Tests on a real X server (Xvfb): the program's window, launch feedback and
# what the pages look like. x11/xvfb.sh gives each test a private display.
set(XVFB_RUN ${CMAKE_CURRENT_SOURCE_DIR}/x11/xvfb.sh)

add_executable(formshots x11/formshots.cpp)
target_link_libraries(formshots PRIVATE dialupcore Qt6::Test)

foreach(case IN ITEMS "640x480;normal" "480x640;maximized")
    list(GET case 0 size)
    list(GET case 1 mode)
    set(args ${CMAKE_CURRENT_BINARY_DIR}/screenshots/${size})
    if(mode STREQUAL "maximized")
        list(APPEND args --maximized)
    endif()
    add_test(NAME x11_pages_${size}
             COMMAND sh ${XVFB_RUN} ${size} --wm $<TARGET_FILE:formshots> ${args})
    set_tests_properties(x11_pages_${size} PROPERTIES TIMEOUT 90)
endforeach()

# The launch is reported complete before the window appears, and closing the
# window ends the program with status 0.
add_executable(launchwatch x11/launchwatch.cpp)
target_link_libraries(launchwatch PRIVATE PkgConfig::STARTUP_NOTIFICATION X11::X11)
add_test(NAME x11_launch_feedback
         COMMAND sh ${XVFB_RUN} 640x480 $<TARGET_FILE:launchwatch> 30 $<TARGET_FILE:dialup>)
set_tests_properties(x11_launch_feedback PROPERTIES TIMEOUT 60)

# A screen at most 480 pixels wide shows the dialog maximized; only the width
# counts.
foreach(case IN ITEMS "480x640;maximized" "481x640;normal" "640x480;normal")
    list(GET case 0 size)
    list(GET case 1 mode)
    add_test(NAME x11_window_${size}
             COMMAND sh ${XVFB_RUN} ${size} --wm
                     sh ${CMAKE_CURRENT_SOURCE_DIR}/x11/windowsize.sh $<TARGET_FILE:dialup> ${mode})
    set_tests_properties(x11_window_${size} PROPERTIES TIMEOUT 90)
endforeach()
