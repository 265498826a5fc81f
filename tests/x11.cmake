# The real program on a private Xvfb screen: launch feedback, the window
# maximized on a screen at most 480 pixels wide, and a clean exit on close.
add_executable(launchwatch x11/launchwatch.cpp)
target_link_libraries(launchwatch PRIVATE PkgConfig::STARTUP_NOTIFICATION X11::X11)
foreach(case IN ITEMS "480x640;maximized" "481x640;normal")
    list(GET case 0 size)
    list(GET case 1 mode)
    add_test(NAME x11_${size}
             COMMAND xvfb-run -a -s "-screen 0 ${size}x24 -nolisten tcp"
                     $<TARGET_FILE:launchwatch> ${mode} $<TARGET_FILE:dialup>)
    set_tests_properties(x11_${size} PROPERTIES TIMEOUT 60 RESOURCE_LOCK xvfb
                         ENVIRONMENT "QT_QPA_PLATFORM=xcb")
endforeach()
