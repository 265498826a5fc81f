# tst_faults kills a program in the middle of rewriting a secrets file; this
# is that program. As root, tst_faults also works in a private mount
# namespace of its own (full and read-only filesystems).
add_executable(secretsrewriter support/secretsrewriter.cpp)
target_link_libraries(secretsrewriter PRIVATE dialupcore)
add_dependencies(tst_faults secretsrewriter)
target_compile_definitions(tst_faults PRIVATE
    SECRETS_REWRITER="$<TARGET_FILE:secretsrewriter>")
set_tests_properties(tst_faults PROPERTIES TIMEOUT 180)
