// Replays inputs through a fuzz target without libFuzzer, so that the tests
// run every seed with any compiler: each file named, or each file in a folder
// named, whole and cut after each of its lines, as input that ends there.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        if (!std::filesystem::is_directory(argv[i])) {
            files.emplace_back(argv[i]);
            continue;
        }
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            files.push_back(entry.path());
        }
    }
    std::size_t runs = 0;
    for (const std::filesystem::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        std::vector<std::size_t> sizes{bytes.size()};
        for (std::size_t at = bytes.find('\n'); at != std::string::npos;
             at = bytes.find('\n', at + 1)) {
            sizes.push_back(at + 1);
        }
        for (const std::size_t size : sizes) {
            // Copied, so that reading past the cut is caught as it is while fuzzing.
            const std::string input = bytes.substr(0, size);
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()),
                                   input.size());
            ++runs;
        }
    }
    std::printf("%zu files, %zu inputs replayed\n", files.size(), runs);
    return files.empty() ? 1 : 0;
}
