#include "support/test_support.h"

#ifndef _WIN32
#include <dirent.h>
#include <stdlib.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

const std::pair<const char*, char> CP850[] = {{"ä", '\x84'}, {"ö", '\x94'}, {"å", '\x86'},
                                              {"Ä", '\x8E'}, {"Ö", '\x99'}, {"Å", '\x8F'}};
const std::pair<const char*, char> LATIN1[] = {{"ä", '\xE4'}, {"ö", '\xF6'}, {"å", '\xE5'},
                                               {"Ä", '\xC4'}, {"Ö", '\xD6'}, {"Å", '\xC5'}};

template <std::size_t N>
std::string replaceLetters(std::string text, const std::pair<const char*, char> (&table)[N]) {
    for (const auto& [utf8, byte] : table) {
        const std::string from = utf8;
        for (std::size_t at = text.find(from); at != std::string::npos;
             at = text.find(from, at + 1)) {
            text.replace(at, from.size(), 1, byte);
        }
    }
    return text;
}

}  // namespace

const char* const CLEAR = "\x1b[H\x1b[2J\x1b[3J";

ThrowerRecord thrower(const std::string& name, std::vector<std::uint32_t> points, bool withdrawn) {
    ThrowerRecord record = makeThrower(name);
    record.points = std::move(points);
    record.withdrawn = withdrawn;
    return record;
}

std::string cp850(const std::string& utf8) {
    return replaceLetters(utf8, CP850);
}

std::string latin1(const std::string& utf8) {
    return replaceLetters(utf8, LATIN1);
}

LocalTime testTime(int day, int hour, int minute, int second) {
    return LocalTime{2026, 12, day, hour, minute, second};
}

// The scratch directory and the directory listing for Windows are in
// scratch_win32.cpp.
#ifndef _WIN32
ScratchDir::ScratchDir() {
    std::string pattern = "/tmp/vaski_test_XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    path = pattern;
    char* here = getcwd(nullptr, 0);
    previous = here != nullptr ? here : "/";
    free(here);
    if (chdir(path.c_str()) != 0) {
        throw std::runtime_error("chdir failed");
    }
}

ScratchDir::~ScratchDir() {
    if (chdir(previous.c_str()) != 0) {
        // Nothing sensible to do in a destructor; the removal below still runs.
    }
    const std::string command = "chmod -R u+rwx '" + path + "' 2>/dev/null; rm -rf '" + path + "'";
    if (std::system(command.c_str()) != 0) {
        // A scratch directory left in /tmp does no harm.
    }
}

#endif

std::string fileContents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
}

#ifndef _WIN32
std::string filesStartingWith(const std::string& prefix) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(".")) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name.compare(0, prefix.size(), prefix) == 0) {
                names.push_back(name);
            }
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const std::string& name : names) {
        joined += name + "\n";
    }
    return joined;
}
#endif
