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
