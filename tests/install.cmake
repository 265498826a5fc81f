# "cmake --install" puts the program, its desktop entry and its icon where a
# launcher looks for them.
add_test(NAME install_layout
         COMMAND ${CMAKE_COMMAND}
                 -DBUILD_DIR=${CMAKE_BINARY_DIR}
                 -DPREFIX=${CMAKE_CURRENT_BINARY_DIR}/install-root
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/install/check-install.cmake)
