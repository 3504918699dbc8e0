#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "support/test_support.h"

// The Windows forms of the scratch directory and the directory listing.

ScratchDir::ScratchDir() {
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (unsigned attempt = 0; path.empty() && attempt < 100; ++attempt) {
        const std::filesystem::path candidate =
            base / ("vaski_test_" + std::to_string(::GetCurrentProcessId()) + "_" +
                    std::to_string(::GetTickCount() + attempt));
        if (std::filesystem::create_directory(candidate)) {
            path = candidate.string();
        }
    }
    if (path.empty()) {
        throw std::runtime_error("no scratch directory");
    }
    previous = std::filesystem::current_path().string();
    std::filesystem::current_path(path);
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
    // A scratch directory left behind does no harm.
    std::filesystem::remove_all(path, ignored);
}

std::string filesStartingWith(const std::string& prefix) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, prefix.size(), prefix) == 0) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const std::string& name : names) {
        joined += name + "\n";
    }
    return joined;
}
