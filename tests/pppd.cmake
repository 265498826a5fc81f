# The real pppd reads our peer files in a private mount namespace (root, as
# in CI); the connect line runs through /bin/sh and the real chat, with a
# pseudo-terminal as the modem.
find_program(PPPD_PROGRAM pppd PATHS /usr/sbin /sbin)
find_program(UNSHARE_PROGRAM unshare)
add_executable(pppd_consumer pppd_consumer.cpp)
target_link_libraries(pppd_consumer PRIVATE testsupport)
target_compile_definitions(pppd_consumer PRIVATE PPPD_PROGRAM="${PPPD_PROGRAM}" UNSHARE_PROGRAM="${UNSHARE_PROGRAM}"
    NAMESPACE_SCRIPT="${CMAKE_CURRENT_SOURCE_DIR}/pppd-namespace.sh")
add_test(NAME pppd_consumer COMMAND pppd_consumer)
