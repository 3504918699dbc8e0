#include "console/platform/key.h"

#include <gtest/gtest.h>

// Which bytes read so far still wait for the rest of their key.
TEST(Key, IncompleteUntilTheKeyIsWhole) {
    // clang-format off
    const struct { std::string key; bool insideCharacter, incomplete; } cases[] = {
        {"x", false, false}, {"\xC3", true, true}, {"\x1b", false, true}, {"\x1b[", false, true},
        {"\x1bO", false, true}, {"\x1bOA", false, false}, {"\x1b[1;5", false, true},
        {"\x1b[1;5A", false, false}, {"\x1b[15~", false, false}, {"\x1b[2@", false, false},
        {"\x1bx", false, false},
        {"\x1b[" + std::string(29, '1'), false, true}, {"\x1b[" + std::string(30, '1'), false, false},
        {std::string(32, '\xC3'), true, false}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(keyIncomplete(c.key, c.insideCharacter), c.incomplete) << c.key;
}
