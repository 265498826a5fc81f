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
