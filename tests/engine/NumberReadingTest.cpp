#include "engine/NumberReading.h"
#include "engine/Text.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(NumberReading, ReadsTheNumberAtTheStartOfAText) {
    const struct {
        const char16_t *text;
        double value;
    } cases[] = {
        {u"5", 5},       {u" 5", 5},      {u"1 2", 12},   {u"\t\n7", 7},  {u"-3", -3},
        {u"+4", 4},      {u"- 5", -5},    {u"--5", 0},    {u"7.5", 7.5},  {u".5", 0.5},
        {u"5.", 5},      {u"1.2.3", 1.2}, {u"1e3", 1000}, {u"1D2", 100},  {u"2.5E-1", 0.25},
        {u"1e", 1},      {u"&H1F", 31},   {u"&hff", 255}, {u"&O17", 15},  {u"&", 0},
        {u"abc", 0},     {u"12abc", 12},  {u"", 0},       {u"1,5", 1},    {u"n+1", 0},
        {u"3 e 2", 300}, {u"&H", 0},      {u"-", 0},      {u"&H1G", 1},   {u"&hfg", 15},
        {u"&O78", 7},    {u".", 0},       {u"1d1", 10},   {u"1e+2", 100},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ReadNumber(c.text), c.value) << ToUtf8(c.text);
}

TEST(NumberReading, AnEnormousNumberIsInfinite) {
    EXPECT_TRUE(std::isinf(ReadNumber(u"1e99999")));
    EXPECT_EQ(ReadNumber(u"1e-99999"), 0);
    EXPECT_TRUE(std::isinf(ReadNumber(std::u16string(400, u'9') + u"e400")));
}
