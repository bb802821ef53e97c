// Text at the edges of the program: bytes from files and terminals become characters and back
// without a byte lost or merged, and a story's letters lower-case as they always have.

#include "engine/Text.h"
#include "engine/Windows1251.h"

#include <gtest/gtest.h>

TEST(Text, EveryInvalidUtf8ByteBecomesOneReplacementCharacter) {
    EXPECT_EQ(FromUtf8(WithoutByteOrderMark("\xEF\xBB\xBFпуть")), u"путь");
    EXPECT_EQ(FromUtf8("\xEF\xBB\xBFпуть"), u"\uFEFFпуть"); // a saved line keeps it
    EXPECT_EQ(FromUtf8("a\xEF\xBB\xBF"), u"a\uFEFF");
    EXPECT_EQ(FromUtf8("\xF0\x9F\x98\x80 ё"), u"\U0001F600 ё");
    EXPECT_EQ(FromUtf8("\xD1"), u"\uFFFD");                     // cut short
    EXPECT_EQ(FromUtf8("\xD1\xD1\x8F"), u"\uFFFDя");            // a lead without its follower
    EXPECT_EQ(FromUtf8("\x80\xFF"), u"\uFFFD\uFFFD");           // no lead at all
    EXPECT_EQ(FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");           // too long a form of "/"
    EXPECT_EQ(FromUtf8("\xE0\x9F\xBF"), u"\uFFFD\uFFFD\uFFFD"); // too long a form of U+07FF
    EXPECT_EQ(FromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD"); // a surrogate
    EXPECT_EQ(FromUtf8("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD"); // beyond U+10FFFF
    EXPECT_TRUE(IsValidUtf8("ё\xF4\x8F\xBF\xBF"));
    EXPECT_FALSE(IsValidUtf8("ё\xD1"));
}

TEST(Text, ALoneSurrogateIsWrittenAsAQuestionMark) {
    EXPECT_EQ(ToUtf8(u"\U0001F600 Ёж ߿"), "\xF0\x9F\x98\x80 Ёж \xDF\xBF");
    EXPECT_EQ(ToUtf8(u"\U0010FFFF"), "\xF4\x8F\xBF\xBF");
    EXPECT_EQ(ToUtf8(u"a\xD83D"), "a?");
    EXPECT_EQ(ToUtf8(u"\xD83Dx"), "?x");
    EXPECT_EQ(ToUtf8(u"\xDE00 b"), "? b");
}

// Cyrillic, Latin and ё as before; U+0130 lowers to a plain "i", where Qt added a combining dot.
TEST(Text, LowerCasingOfEveryLetterOfTheCodePage) {
    EXPECT_EQ(LowerCase(u"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ ABCZ"),
              u"абвгдеёжзийклмнопрстуфхцчшщъыьэюя abcz");
    EXPECT_EQ(LowerCase(u"ЂЃЉЊЌЋЏЎЈҐЄЇІЅ абв №«»€1"), u"ђѓљњќћџўјґєїіѕ абв №«»€1");
    EXPECT_EQ(LowerCase(u"İ"), u"i");
    EXPECT_EQ(LowerCase(u"\U00010400\xD801Я\xD801"), u"\U00010428\xD801я\xD801");
    EXPECT_EQ(UpperCase(u"ёж"), u"ЁЖ");
}

TEST(Text, EveryByteIsOneCharacterOfTheCodePage) {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes += char(byte);
    const std::u16string text = DecodeWindows1251(bytes);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(text.substr(0x80, 2), u"ЂЃ");
    EXPECT_EQ(text[0x88], u'€');
    EXPECT_EQ(text[0x98], u'\x98'); // undefined in the code page, kept apart
    EXPECT_EQ(text[0xA8], u'Ё');
    EXPECT_EQ(text.substr(0xC0),
              u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмнопрстуфхцчшщъыьэюя");
    bool lossless = false;
    EXPECT_EQ(EncodeWindows1251(text, &lossless), bytes);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(EncodeWindows1251(u"故事", &lossless), "??");
    EXPECT_EQ(EncodeWindows1251(u"ё"), "\xB8");
    EXPECT_FALSE(lossless);
}
