// What a story prints reaches a terminal without instructions hidden in it.

#include "app/TerminalText.h"

#include <gtest/gtest.h>

TEST(TerminalText, ControlCharactersAreShownNotObeyed) {
    // An escape sequence that would clear the screen and retitle the window, and a bell.
    EXPECT_EQ(ForTerminal(u"\x1b[2J\x1b]0;титул\x07"), u"␛[2J␛]0;титул␇");
    EXPECT_EQ(ForTerminal(u"a\x7f"), u"a␡");
    EXPECT_EQ(ForTerminal(std::u16string(1, u'\0') + u"б"), u"␀б");
    // The eight-bit form of an escape sequence's start.
    EXPECT_EQ(ForTerminal(u"\u009b2J"), u"\uFFFD2J");
}

TEST(TerminalText, LinesBreakAsInTheGameWindow) {
    EXPECT_EQ(ForTerminal(u"Маяк.\r\nБерег.\rТропа.\nСкалы.\r"),
              u"Маяк.\nБерег.\nТропа.\nСкалы.\n");
    EXPECT_EQ(ForTerminal(u"\r\n\r\n"), u"\n\n");
    EXPECT_EQ(ForTerminal(u"стол\tстул «ёЁ» №1"), u"стол\tстул «ёЁ» №1");
}
