#include "support/test_support.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "scoring/points.h"

namespace {

// The six letters in UTF-8, in the order of the byte tables below.
const char* const LETTERS[] = {"ä", "ö", "å", "Ä", "Ö", "Å"};

std::string replaceLetters(std::string text, const char* bytes) {
    for (int i = 0; i < 6; ++i) {
        const std::string from = LETTERS[i];
        for (std::size_t at = text.find(from); at != std::string::npos;
             at = text.find(from, at + 1)) {
            text.replace(at, from.size(), 1, bytes[i]);
        }
    }
    return text;
}

std::vector<std::string> namesIn(const std::string& directory) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(directory.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

const char* const CLEAR = "\x1b[H\x1b[2J\x1b[3J";

std::string cp850(const std::string& utf8) {
    return replaceLetters(utf8, "\x84\x94\x86\x8E\x99\x8F");
}

std::string latin1(const std::string& utf8) {
    return replaceLetters(utf8, "\xE4\xF6\xE5\xC4\xD6\xC5");
}

ThrowerRecord thrower(const std::string& name, std::vector<std::uint32_t> points, bool withdrawn) {
    ThrowerRecord record = makeThrower(name);
    record.points = std::move(points);
    record.withdrawn = withdrawn;
    return record;
}

LocalTime testTime(int day, int hour, int minute, int second) {
    return LocalTime{2026, 12, day, hour, minute, second};
}

bool sameState(const GameState& a, const GameState& b) {
    const auto same = [](const ThrowerRecord& x, const ThrowerRecord& y) {
        return x.points == y.points && x.name == y.name && x.withdrawn == y.withdrawn;
    };
    return a.round == b.round && a.maxScore == b.maxScore && a.gameName == b.gameName &&
           a.startDate == b.startDate && a.startTime == b.startTime &&
           std::equal(a.throwers.begin(), a.throwers.end(), b.throwers.begin(), b.throwers.end(),
                      same);
}

bool isPlayable(const GameState& state) {
    return state.maxScore >= 1 && state.maxScore <= HIGHEST_MAX_SCORE &&
           std::all_of(state.throwers.begin(), state.throwers.end(), [&](const ThrowerRecord& t) {
               return t.points.size() == state.round &&
                      std::all_of(t.points.begin(), t.points.end(), [](std::uint32_t entry) {
                          return entry <= HIGHEST_MAX_SCORE || entry == NO_RESULT;
                      });
           });
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "Property broken: %s\n", what);
        std::abort();
    }
}

ScratchDir::ScratchDir() {
    const char* tmp = std::getenv("TMPDIR");
    path = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/vaski_test_XXXXXX";
    char* here = getcwd(nullptr, 0);
    previous = here != nullptr ? here : "/";
    std::free(here);
    if (mkdtemp(path.data()) == nullptr || chdir(path.c_str()) != 0) {
        throw std::runtime_error("no scratch directory");
    }
}

// The tests make plain files, links, pipes and empty directories, one level deep.
ScratchDir::~ScratchDir() {
    if (chdir(previous.c_str()) != 0) {
        std::perror(previous.c_str());
    }
    for (const std::string& name : namesIn(path)) {
        const std::string full = path + "/" + name;
        if (unlink(full.c_str()) != 0) {
            rmdir(full.c_str());
        }
    }
    rmdir(path.c_str());
}

std::string fileContents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string filesStartingWith(const std::string& prefix) {
    std::string joined;
    for (const std::string& name : namesIn(".")) {
        if (name.compare(0, prefix.size(), prefix) == 0) {
            joined += name + "\n";
        }
    }
    return joined;
}
