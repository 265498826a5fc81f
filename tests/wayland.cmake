# The real program on a headless Wayland compositor offering xdg-activation.
add_test(NAME wayland_activation COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/wayland/swaystart.sh $<TARGET_FILE:dialup>)
set_tests_properties(wayland_activation PROPERTIES TIMEOUT 60 SKIP_RETURN_CODE 77)
