#include "support/test_support.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>
#include <set>
#include <sstream>

std::string cp850(std::string text) {
    const char* const letters[] = {"ä", "ö", "å", "Ä", "Ö", "Å"};
    const char* const bytes = "\x84\x94\x86\x8E\x99\x8F";  // the same, in code page 850
    for (int i = 0; i < 6; ++i) {
        for (std::size_t at = 0; (at = text.find(letters[i], at)) != std::string::npos; ++at)
            text.replace(at, 2, 1, bytes[i]);
    }
    return text;
}

ThrowerRecord thrower(const std::string& name, std::vector<std::uint32_t> points, bool withdrawn) {
    return ThrowerRecord{std::move(points), name, withdrawn};
}

LocalTime testTime(int day, int hour, int minute, int second) {
    return LocalTime{2026, 12, day, hour, minute, second};
}

bool sameState(const GameState& a, const GameState& b) {
    const auto sameThrower = [](const ThrowerRecord& x, const ThrowerRecord& y) {
        return x.points == y.points && x.name == y.name && x.withdrawn == y.withdrawn;
    };
    return a.round == b.round && a.maxScore == b.maxScore && a.gameName == b.gameName &&
           a.startDate == b.startDate && a.startTime == b.startTime &&
           std::equal(a.throwers.begin(), a.throwers.end(), b.throwers.begin(), b.throwers.end(),
                      sameThrower);
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

bool onlyLineFeedsAndClears(const std::string& shown) {
    const auto controls = std::count_if(shown.begin(), shown.end(),
                                        [](unsigned char c) { return c < ' ' || c == 0x7F; });
    return static_cast<std::size_t>(controls) ==
           occurrences(shown, "\n") + 3 * occurrences(shown, CLEAR);
}

ScratchDir::ScratchDir() : previous(std::filesystem::current_path().string()) {
    // A random name, drawn again while taken (then create_directory is false).
    std::random_device random;
    do {
        path = (std::filesystem::temp_directory_path() / ("vaski_test_" + std::to_string(random())))
                   .string();
    } while (!std::filesystem::create_directory(path));
    std::filesystem::current_path(path);
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
    std::filesystem::remove_all(path, ignored);
}

std::string fileContents(const std::string& path) {
    std::ostringstream content;
    content << std::ifstream(path, std::ios::binary).rdbuf();
    return content.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string filesStartingWith(const std::string& prefix) {
    std::set<std::string> names;
    std::error_code ignored;  // a removed working directory holds nothing
    for (const auto& entry : std::filesystem::directory_iterator(".", ignored)) {
        const std::string name = entry.path().filename().string();
        names.insert(name.compare(0, prefix.size(), prefix) == 0 ? name + "\n" : "");
    }
    return std::accumulate(names.begin(), names.end(), std::string());
}
