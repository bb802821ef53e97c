// What a story prints reaches a terminal without instructions hidden in it.

#include "app/TerminalText.h"

#include <gtest/gtest.h>

namespace {

TEST(TerminalText, ControlCharactersAreShownNotObeyed) {
    // An escape sequence that would clear the screen and retitle the window, and a bell.
    EXPECT_EQ(ForTerminal(u"\x1b[2J\x1b]0;титул\x07"_qs), u"␛[2J␛]0;титул␇"_qs);
    EXPECT_EQ(ForTerminal(u"a\x7f"_qs), u"a␡"_qs);
    EXPECT_EQ(ForTerminal(QString(QChar(u'\0')) + u"б"_qs), u"␀б"_qs);
    // The eight-bit form of an escape sequence's start.
    EXPECT_EQ(ForTerminal(u"\u009b2J"_qs), u"\uFFFD2J"_qs);
}

TEST(TerminalText, LinesBreakAsInTheGameWindow) {
    EXPECT_EQ(ForTerminal(u"Маяк.\r\nБерег.\rТропа.\nСкалы.\r"_qs),
              u"Маяк.\nБерег.\nТропа.\nСкалы.\n"_qs);
    EXPECT_EQ(ForTerminal(u"\r\n\r\n"_qs), u"\n\n"_qs);
    EXPECT_EQ(ForTerminal(u"стол\tстул «ёЁ» №1"_qs), u"стол\tстул «ёЁ» №1"_qs);
}

} // namespace
