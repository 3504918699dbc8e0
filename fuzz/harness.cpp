#include "harness.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "scoring/points.h"

namespace {

// The directory every run starts and ends in.
const std::string& homeDirectory() {
    static const std::string home = [] {
        char* here = getcwd(nullptr, 0);
        std::string path = here != nullptr ? here : "/";
        std::free(here);
        return path;
    }();
    return home;
}

}  // namespace

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "Property broken: %s\n", what);
        std::abort();
    }
}

bool isPlayable(const GameState& state) {
    if (state.maxScore < 1 || state.maxScore > HIGHEST_MAX_SCORE) {
        return false;
    }
    for (const ThrowerRecord& thrower : state.throwers) {
        if (thrower.points.size() != state.round) {
            return false;
        }
        for (std::uint32_t entry : thrower.points) {
            if (entry > HIGHEST_MAX_SCORE && entry != NO_RESULT) {
                return false;
            }
        }
    }
    return true;
}

bool sameState(const GameState& a, const GameState& b) {
    if (a.round != b.round || a.maxScore != b.maxScore || a.gameName != b.gameName ||
        a.startDate != b.startDate || a.startTime != b.startTime ||
        a.throwers.size() != b.throwers.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.throwers.size(); ++i) {
        const ThrowerRecord& x = a.throwers[i];
        const ThrowerRecord& y = b.throwers[i];
        if (x.points != y.points || x.name != y.name || x.withdrawn != y.withdrawn) {
            return false;
        }
    }
    return true;
}

FuzzDir::FuzzDir() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern =
        std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/vaski_fuzz_XXXXXX";
    homeDirectory();
    require(mkdtemp(pattern.data()) != nullptr, "a scratch directory can be made");
    path = pattern;
    require(chdir(path.c_str()) == 0, "the scratch directory can be entered");
}

FuzzDir::~FuzzDir() {
    // The program makes only plain files here.
    std::vector<std::string> names;
    if (DIR* dir = opendir(".")) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        }
        closedir(dir);
    }
    for (const std::string& name : names) {
        unlink(name.c_str());
    }
    require(chdir(homeDirectory().c_str()) == 0, "the run returns to where it started");
    rmdir(path.c_str());
}

void plantFile(const std::string& name, const std::string& bytes) {
    std::ofstream file(name, std::ios::binary | std::ios::trunc);
    file << bytes;
    require(static_cast<bool>(file), "a planted file is written");
}

std::string fileBytes(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}
