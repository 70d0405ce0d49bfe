// Feeds every file of the corpus folders (or the files) named on the command
// line to the fuzz target once, so that the corpora run as ordinary tests
// under the sanitizers without libFuzzer.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_target.h"

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& where) {
    std::vector<std::filesystem::path> inputs;
    if (std::filesystem::is_directory(where)) {
        for (const auto& entry : std::filesystem::directory_iterator(where)) {
            if (entry.is_regular_file()) {
                inputs.push_back(entry.path());
            }
        }
        std::sort(inputs.begin(), inputs.end());
    } else {
        inputs.push_back(where);
    }
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const std::filesystem::path& input : InputsOf(argv[i])) {
            std::ifstream file(input, std::ios::binary);
            if (!file) {
                std::cerr << "cannot read " << input << "\n";
                return 1;
            }
            const std::string bytes((std::istreambuf_iterator<char>(file)),
                                    std::istreambuf_iterator<char>());
            std::cout << "replaying " << input.filename().string() << "\n";
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++replayed;
        }
    }
    std::cout << replayed << " inputs replayed\n";
    // An empty corpus would pass without testing anything.
    return replayed > 0 ? 0 : 1;
}
