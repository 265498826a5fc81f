// Stands in for chat: prints each argument it was given, each ended by a NUL
// byte, so that a test sees exactly the words the shell made.
#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        std::fwrite(argv[i], 1, std::strlen(argv[i]) + 1, stdout);
    return 0;
}
