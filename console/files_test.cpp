#include "console/files.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

// Bytes that a text-mode file layer would change: line ends, a carriage
// return, and the byte that ends text input on Windows.
const std::string ODD = "a\nb\r\n\x1a\x84\n";
// A device that takes every byte and gives none back.
#ifdef _WIN32
const char* const DEVICE = "NUL";
#else
const char* const DEVICE = "/dev/null";
#endif

// Does one operation with ODD (a rename moves "g"); gives its outcome as a number, what a read
// gave or the names a replace or rename left, then after "|" what the name holds.
std::string operate(char op, const std::string& name) {
    std::string bytes = "kept";
    const int outcome = op == 'n'   ? int(writeNewFile(name, ODD))
                        : op == 'a' ? appendToFile(name, ODD)
                        : op == 'r' ? readWholeFile(name, bytes)
                        : op == 'p' ? replaceFile(name, ODD)
                        : op == 'm' ? int(renameToNewName("g", name))
                                    : removeFile(name);
    const std::string left = op == 'p' || op == 'm' ? filesStartingWith("") : "";
    return std::to_string(outcome) + (op == 'r' ? bytes : left) + "|" + fileContents(name);
}

}  // namespace

// n new, a append, r read, p replace, m rename, x remove at nothing, a directory (d), a device,
// a one-byte cut-off line (o) or a file ending in a line feed (g). New: 0 made, 1 taken, 2 failed.
TEST(FilesTest, EachOperationOnWhatIsAtTheName) {
    // clang-format off
    const struct { char op; const char* name; std::string expected; } cases[] = {
        {'n', "f", "0|" + ODD}, {'n', "o", "1|c"}, {'n', "d", "1|"}, {'n', "x/f", "2|"},
        {'a', "f", "1|" + ODD}, {'a', "g", "1|" + ODD + ODD}, {'a', "o", "1|c\n" + ODD},
        {'a', "d", "0|"}, {'a', DEVICE, "0|"}, {'r', "g", "1" + ODD + "|" + ODD},
        {'r', "f", "0kept|"}, {'r', "d", "0kept|"}, {'r', DEVICE, "0kept|"}, {'x', "o", "1|"},
        {'p', "o", "1d\ng\no\n|" + ODD}, {'p', "d", "0d\ng\no\n|"}, {'x', "f", "1|"},
        {'m', "o", "1d\ng\no\n|c"}, {'m', "f", "0d\nf\no\n|" + ODD}};
    // clang-format on
    for (const auto& c : cases) {
        ScratchDir dir;
        std::filesystem::create_directory("d");
        writeFile("o", "c");
        writeFile("g", ODD);
        EXPECT_EQ(operate(c.op, c.name), c.expected) << c.op << c.name;
    }
}
