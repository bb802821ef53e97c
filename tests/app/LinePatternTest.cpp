// The regular expressions of walkthrough checks: every search ends in a bounded time and stack,
// and a pattern that cannot be searched for says why.

#include "app/LinePattern.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

// Whether the pattern is found in the one line; `problem` gets why it could not be searched.
bool found(std::string_view pattern, std::string_view line, std::string *problem = nullptr) {
    LinePattern re(pattern);
    const bool result = re.FoundInAny({line});
    if (problem)
        *problem = re.Problem();
    return result;
}

double secondsOf(auto work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

TEST(LinePattern, MatchesCharactersAnywhereInALine) {
    EXPECT_TRUE(found("^Выходы: ю,с,в$", "Выходы: ю,с,в"));
    EXPECT_FALSE(found("^Выходы: ю$", "Выходы: ю,с,в"));
    EXPECT_TRUE(found("^масло {6}1$", "масло      1"));
    EXPECT_TRUE(found("^.{5}$", "туман")); // five letters, ten bytes
    EXPECT_TRUE(found("[а-я]+ ключ", "Большой ключ"));
    EXPECT_TRUE(found("\\d+", "ход 12"));
}

TEST(LinePattern, APatternItCannotTakeSaysWhy) {
    std::string problem;
    EXPECT_FALSE(found("(а", "а", &problem));
    EXPECT_EQ(problem, "не регулярное выражение: нет закрывающей ): «(а»");
    EXPECT_FALSE(found("a{1001}", "a", &problem));
    EXPECT_EQ(problem, "не регулярное выражение: неверное число повторений (не более 1000): "
                       "«{1001}»");
    EXPECT_FALSE(found("(a)\\1", "aa", &problem));
    EXPECT_EQ(problem, "не регулярное выражение: неверная последовательность с \\: «\\1»");
    EXPECT_FALSE(found("(?=a)", "a", &problem));
    EXPECT_TRUE(problem.starts_with("не регулярное выражение: неверная конструкция (?…)"));
}

// The searches that crashed std::regex or ran for minutes: each now takes well under a second.
TEST(LinePattern, EverySearchEndsSoon) {
    const std::string a26k(26'000, 'a'), a40(40, 'a');
    std::string fog;
    for (int i = 0; i < 40'000; ++i)
        fog += "туман ";
    std::string problem;
    EXPECT_LT(secondsOf([&] { EXPECT_FALSE(found(".*x", a26k)); }), 1.0);
    EXPECT_LT(secondsOf([&] { EXPECT_TRUE(found("^(туман )+$", fog)); }), 1.0);
    EXPECT_LT(secondsOf([&] { EXPECT_FALSE(found("(a|aa)*c", a40)); }), 1.0);
    const std::string nested = std::string(100'000, '(') + "a" + std::string(100'000, ')');
    EXPECT_LT(secondsOf([&] { EXPECT_TRUE(found(nested, "a")); }), 2.0);
    // A huge program on a long output would take minutes: it is refused, saying so.
    std::string repeated;
    for (int i = 0; i < 100; ++i)
        repeated += "a{1000}";
    EXPECT_LT(secondsOf([&] { EXPECT_FALSE(found(repeated, a26k, &problem)); }), 1.0);
    EXPECT_TRUE(problem.starts_with("проверка слишком велика: 100004 шагов выражения на 26001 "
                                    "байт вывода хода"))
        << problem;
    // The same pattern on a short line is searched for.
    EXPECT_FALSE(found(repeated, std::string(1'000, 'a'), &problem));
    EXPECT_EQ(problem, "");
}
