// Replays the files named through a fuzz target without libFuzzer, so that the
// tests run every seed with any compiler: each whole, and cut after each of
// its lines, as input that ends there.
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
        for (std::size_t end = 0; end < bytes.size(); ++end) {
            if (bytes[end] == '\n' || end + 1 == bytes.size()) {
                // A copy of its own, so that reading past the cut is caught.
                const std::string input = bytes.substr(0, end + 1);
                LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()),
                                       input.size());
                ++runs;
            }
        }
    }
    std::printf("%d inputs from %d files\n", runs, argc - 1);
    return argc > 1 && runs > 0 ? 0 : 1;
}
