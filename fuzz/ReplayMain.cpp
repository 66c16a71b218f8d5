// Replays the checked-in corpora: every file of <corpus folder>/<target>/ through the target
// of that name, so a build without libFuzzer (the sanitizer build of the tests) still runs
// every input that once mattered. Prints the number of inputs per target; a target without
// inputs fails the run, so a corpus cannot go missing unnoticed.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz/FuzzTargets.h"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    const fs::path root = argv[1];
    int status = 0;
    for (const orbivox::fuzz::FuzzTarget& target : orbivox::fuzz::FuzzTargets()) {
        std::vector<fs::path> inputs;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(root / target.name, ec)) {
            if (entry.is_regular_file()) {
                inputs.push_back(entry.path());
            }
        }
        std::sort(inputs.begin(), inputs.end());
        for (const fs::path& input : inputs) {
            std::ifstream file(input, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
            target.entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        }
        std::printf("%-20s %zu inputs\n", target.name, inputs.size());
        if (inputs.empty()) {
            status = 1;
        }
    }
    return status;
}
