// Every kind of problem the story checker finds, each in the smallest story that has it, and
// sound lines of every kind that it must let pass.

#include "engine/StoryChecker.h"
#include "engine/Text.h"

#include <gtest/gtest.h>

namespace {

// The story's lines joined with CR LF; "N× text" stands for N lines, "%" numbering them.
std::string storyOf(const std::vector<std::string> &lines) {
    std::string file;
    for (const std::string &line : lines) {
        const std::size_t times = line.find("× ");
        const int count = times == std::string::npos ? 1 : std::stoi(line);
        for (int n = 1; n <= count; ++n) {
            std::string one = times == std::string::npos ? line : line.substr(times + 3);
            for (std::size_t at; (at = one.find('%')) != std::string::npos;)
                one.replace(at, 1, std::to_string(n));
            file += one + "\r\n";
        }
    }
    return file;
}

// The problems as the checker words them: "LINE: ошибка|предупреждение: text".
std::vector<std::string> problemsOf(const std::vector<std::string> &lines) {
    StoryFileError error;
    const auto script = DecodeScript(storyOf(lines), StoryEncoding::Utf8, error);
    std::vector<std::string> found;
    for (const StoryProblem &problem : CheckStory(*script))
        found.push_back(std::to_string(problem.line) +
                        (problem.severity == StoryProblem::Severity::Error ? ": ошибка: "
                                                                           : ": предупреждение: ") +
                        ToUtf8(problem.text));
    return found;
}

TEST(StoryChecker, FindsEveryKindOfProblem) {
    const struct {
        std::vector<std::string> story;
        std::string problem;
    } cases[] = {
        {{"pm x"}, "1: ошибка: неизвестная команда «pm»"},
        {{"room r", "+func f,pn a | прыг"}, "2: ошибка: неизвестная команда «прыг»"},
        {{"if a=1 then pn a * прыг else pn b"}, "1: ошибка: неизвестная команда «прыг»"},
        {{"goto rem нигде"},
         "1: предупреждение: переход к метке «rem нигде», которой нет ни в одной строке"},
        {{"метка:"},
         "1: предупреждение: строка метки без rem: когда сценарий дойдёт до неё, автору "
         "покажется предупреждение о неизвестной команде «метка:»; напишите «rem метка:»"},
        {{"if a=1 pn a"}, "1: ошибка: условие без then: «a=1 pn a»"},
        {{"if a=1 else pn b then pn a"},
         "1: ошибка: else не на своём месте в условии: «a=1 else pn b then pn a»"},
        {{"if a then pn a"},
         "1: ошибка: в условии «a » нет сравнения (=, <>, ><, >, <): оно ничего не делает"},
        {{"set a"}, "1: ошибка: set без «=»: «a»"},
        {{"set a=32768"},
         "1: ошибка: значение «32768» не помещается в переменную (от -32768 до 32767)"},
        {{"exitview 2"}, "1: ошибка: exitview принимает только 1 или 0, а не «2»"},
        {{"item i", "+func_inv взять"},
         "2: ошибка: +func_inv без запятой между именем и телом: «взять»"},
        {{"room r", "+func с"}, "2: ошибка: +func без запятой между именем и телом: «с»"},
        {{"deleteitem r"}, "1: ошибка: deleteitem без запятой между комнатой и предметом: «r»"},
        {{"setroom сад"}, "1: предупреждение: комната «сад» нигде не создана"},
        {{"changeroom сад"}, "1: предупреждение: комната «сад» нигде не создана"},
        {{"++item ключ"}, "1: предупреждение: предмет «ключ» нигде не создан"},
        {{"if #ключ=1 then pn a"}, "1: ошибка: предмет «ключ» нигде не создан"},
        {{"101× room r%"}, "101: ошибка: больше 100 комнат"},
        {{"101× item i%"}, "101: ошибка: больше 100 предметов"},
        {{"room r", "11× +func f%,pn a"}, "12: ошибка: больше 10 функций у комнаты «r»"},
        {{"item i", "11× +func_loc f%,pn a"}, "12: ошибка: больше 10 функций у предмета «i»"},
        {{"101× set v%=1"}, "101: ошибка: больше 100 переменных"},
    };
    for (const auto &[story, problem] : cases)
        EXPECT_EQ(problemsOf(story), std::vector<std::string>{problem}) << story.front();
}

// Checking stops where a run would stop: at the nesting and the work of a turn, told once a line,
// in bounded time. A diagnostic quotes only the start of a long text.
TEST(StoryChecker, StopsWhereARunWouldAndQuotesShortly) {
    std::string nested;
    for (int i = 0; i < 2100; ++i)
        nested += "if a=0 then ";
    EXPECT_EQ(problemsOf({nested + "прыг"}),
              std::vector<std::string>{"1: ошибка: слишком глубокая вложенность: не более 2001 "
                                       "вложенных комманд; игра остановит ход на этой строке, а "
                                       "проверка дальше не идёт"});
    // Functions defined in the bodies of functions: no run enters them, the checker does.
    std::string defined = "room r & ";
    for (int i = 0; i < 3000; ++i)
        defined += "+func f,";
    EXPECT_EQ(problemsOf({defined + "pn x"}),
              std::vector<std::string>{"1: ошибка: слишком глубокая вложенность: не более 2001 "
                                       "вложенных комманд; игра остановит ход на этой строке, а "
                                       "проверка дальше не идёт"});
    std::string costly;
    for (int i = 0; i < 15'000; ++i)
        costly += "if a=1 then ";
    EXPECT_EQ(problemsOf({costly + "pn x"}),
              std::vector<std::string>{"1: ошибка: слишком много работы без остановки на wait: "
                                       "игра остановит ход на этой строке, а проверка дальше не "
                                       "идёт"});
    EXPECT_EQ(problemsOf({"pn ok", std::string(100'000, 'x')}),
              std::vector<std::string>{
                  "2: ошибка: неизвестная команда «" + std::string(60, 'x') +
                  "… (100000 знаков)»"});
}

// What the file's bytes hold otherwise than an editor shows.
TEST(StoryChecker, TellsLinesJoinedByALoneLfAndAStrayByte) {
    StoryFileError error;
    auto script = DecodeScript("pn \xEF\xE5\xF0\xE2\xE0\xFF\r\npn a\npn b\r\nwait\r\n",
                               StoryEncoding::Detect, error);
    std::vector<StoryProblem> problems = CheckStory(*script);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].line, 2);
    EXPECT_EQ(problems[0].severity, StoryProblem::Severity::Warning);
    EXPECT_TRUE(ToUtf8(problems[0].text).starts_with("в этой строке перевод строки LF без CR"));
    script = DecodeScript("pn \xD1\x8F\npn \xD1\x8F\npn \xC0\nwait\n", StoryEncoding::Detect, error);
    problems = CheckStory(*script);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].line, 3);
    EXPECT_TRUE(ToUtf8(problems[0].text)
                    .starts_with("файл прочитан как Windows-1251, хотя почти весь он в UTF-8: в "
                                 "этой строке байт 0xC0"));
}

TEST(StoryChecker, LetsSoundLinesPass) {
    EXPECT_EQ(problemsOf({"rem Пролог",
                          "room зал",
                          "+text Зал.@Дверь.",
                          "+func с,setroom кухня",
                          "+func крикнуть,pn Эхо! | goto rem эхо",
                          "done",
                          "room кухня",
                          "+item ключ",
                          "+func ю,setroom зал",
                          "done",
                          "item ключ",
                          "+title ключ",
                          "+func_loc взять #,++item ключ | deleteitem кухня,ключ",
                          "done",
                          "set a=-32768 & set b=7.5",
                          "if #ключ=1 then pn да * set a=1 else pn нет",
                          "if $где=кухняthen pn здесь",
                          "if a><1 then cls",
                          "exitview 1",
                          "setlooktext смотреть",
                          "setroom зал",
                          "wait",
                          "rem эхо:",
                          "P Эхо. & -func с",
                          "wait",
                          "",
                          " комментарий"}),
              std::vector<std::string>{});
}

} // namespace
