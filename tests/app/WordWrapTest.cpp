// A story's text reaches a narrow terminal broken between words, never inside one that fits.

#include "app/WordWrap.h"

#include <gtest/gtest.h>

namespace {

// The text added in the given parts, then flushed, as a terminal `width` columns wide shows it.
std::u16string wrapped(std::initializer_list<std::u16string_view> parts, int width) {
    WordWrap wrap;
    std::u16string out;
    for (std::u16string_view part : parts)
        wrap.Add(part, width, out);
    wrap.Flush(width, out);
    return out;
}

} // namespace

TEST(WordWrap, BreaksBetweenWordsAndSplitsOnlyWhatCannotFit) {
    EXPECT_EQ(wrapped({u"Вы стоите на пустынном берегу."}, 12),
              u"Вы стоите на\nпустынном\nберегу.");
    // A word printed in parts is one word; the line's own breaks start the count again.
    EXPECT_EQ(wrapped({u"волны у бере", u"га\nа тропа"}, 10), u"волны у\nберега\nа тропа");
    // A word as long as the line fits it exactly; a longer one is split where lines end.
    EXPECT_EQ(wrapped({u"ab abcd"}, 4), u"ab\nabcd");
    EXPECT_EQ(wrapped({u"ab abcdefghij"}, 4), u"ab\nabcd\nefgh\nij");
    // Spaces at a line's start (an indent) stay; spaces where a line is broken go.
    EXPECT_EQ(wrapped({u"  один два"}, 7), u"  один\nдва");
    // Wide letters take two columns, a tab reaches the next stop.
    EXPECT_EQ(wrapped({u"漢字 漢字"}, 6), u"漢字\n漢字");
    EXPECT_EQ(wrapped({u"а\tб в"}, 10), u"а\tб\nв");
}
