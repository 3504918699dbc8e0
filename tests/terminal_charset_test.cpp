// The program at terminals of other character sets than UTF-8: the C locale
// (LANG unset, as over ssh) is taken as UTF-8, and an older Finnish set-up in
// ISO 8859-15 gets its own bytes both ways. A name keeps its column either way.
#include <gtest/gtest.h>

#include "support/session.h"
#include "support/test_support.h"

TEST(TerminalCharset, TypedNameShowsInTheTerminalsSetAndLinesUp) {
    // clang-format off
    const struct { const char* locale; std::string a, typed, shown; } cases[] = {
        {"LC_ALL=C", "ä", "Väinö€", "Väinö?"},
        {"LC_ALL=fi_FI.ISO-8859-15@euro", "\xE4", "V\xE4in\xF6\xA4", "V\xE4in\xF6?"}};
    // clang-format on
    for (const auto& c : cases) {
        ScratchDir dir;
        Session session;
        ASSERT_TRUE(startOnTerminal(session, {VASKI_BINARY}, c.locale));
        ASSERT_TRUE(waitFor(session, "Anna heitt" + c.a + "j" + c.a + " 1: ")) << c.locale;
        send(session, c.typed + "\r\r\r");
        ASSERT_TRUE(waitFor(session, "1. " + c.shown + ": ")) << c.locale;
        send(session, "7\r");
        EXPECT_TRUE(waitFor(session, "Yhteens" + c.a + ": ")) << c.locale;
        EXPECT_TRUE(waitFor(session, "\r\n" + c.shown + std::string(9, ' ') + "7       7 "));
        send(session, "\x04");
        EXPECT_TRUE(finish(session));
    }
}
