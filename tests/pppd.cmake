# The real pppd reads the peer files we write, and the connect line it takes
# is run through /bin/sh and the real chat, with a pseudo-terminal as modem.
# pppd needs root and a private mount namespace (unshare -m); CI runs as root.
find_program(PPPD_PROGRAM pppd PATHS /usr/sbin /sbin)
find_program(UNSHARE_PROGRAM unshare)
if(NOT PPPD_PROGRAM)
    set(PPPD_PROGRAM /usr/sbin/pppd)
endif()
if(NOT UNSHARE_PROGRAM)
    set(UNSHARE_PROGRAM /usr/bin/unshare)
endif()

add_executable(pppd_consumer pppd_consumer.cpp)
target_link_libraries(pppd_consumer PRIVATE testsupport)
target_compile_definitions(pppd_consumer PRIVATE
    PPPD_PROGRAM="${PPPD_PROGRAM}"
    UNSHARE_PROGRAM="${UNSHARE_PROGRAM}"
    NAMESPACE_SCRIPT="${CMAKE_CURRENT_SOURCE_DIR}/pppd-namespace.sh")
add_test(NAME pppd_consumer COMMAND pppd_consumer)
