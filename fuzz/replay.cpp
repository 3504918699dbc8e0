// Replays the files named through a fuzz target without libFuzzer, so the tests
// run every seed with any compiler: cut after each of its lines, and whole.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    int runs = 0;
    for (int i = 1; i < argc; ++i) {
        std::ifstream file(argv[i], std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), {});
        for (std::size_t end = 0; end < bytes.size(); ++runs) {
            end = std::min(bytes.find('\n', end), bytes.size() - 1) + 1;
            // A copy of its own, so that reading past the cut is caught.
            const std::string input = bytes.substr(0, end);
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()),
                                   input.size());
        }
    }
    std::printf("%d inputs from %d files\n", runs, argc - 1);
    return argc > 1 && runs > 0 ? 0 : 1;
}
