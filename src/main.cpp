#include <cstdio>
#include <cstring>

#include "startup.h"

int main(int argc, char** argv)
{
    // Answered before any Qt object exists, so it needs no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            const bool written = std::puts("morvane " MORVANE_VERSION) != EOF && std::fflush(stdout) == 0;
            return written ? 0 : 1;
        }
    }
    return morvane::runMorvane(argc, argv);
}
