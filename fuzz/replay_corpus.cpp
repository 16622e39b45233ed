// Runs every file of a corpus directory through the number text properties,
// so the corpus is checked by an ordinary build without libFuzzer.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "number_text_properties.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: replay_corpus DIRECTORY\n");
        return 2;
    }
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        if (!entry.is_regular_file()) continue;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
        morvane::fuzz::checkNumberTextProperties(bytes.data(), bytes.size());
        ++replayed;
    }
    std::printf("replayed %d inputs\n", replayed);
    return replayed > 0 ? 0 : 1;  // an empty corpus checks nothing
}
