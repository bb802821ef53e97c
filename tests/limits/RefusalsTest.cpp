// Every malformed form of the commands that take a structured parameter, every full table and
// the edges of a story's 16-bit numbers. A form is either refused with one box naming what is
// wrong and the line, or has a meaning of its own; either way the next command runs.

#include "support/StoryHarness.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    std::vector<std::string> lines; // after "room зал", "item ключ", "done": the first is line 4
    std::vector<std::string> errors;
    std::string shown = "";
};

std::vector<std::string> refused(const std::string &what, int line = 4) {
    return {what + " … Строка:" + std::to_string(line)};
}

const std::string kExitView = "Ошибочные параметры к функции ExitView.";
const std::string kSet = "Ошибочные параметры к функции Set.";
const std::string kTooLarge = "Значение не помещается в переменную.";
const std::string kNoThen = "Условие без then.", kElse = "Ошибочное место else в условии.";

const Row kRows[] = {
    {{"set"}, refused(kSet)},
    {{"set a"}, refused(kSet)},
    {{"set =5"}, {}},
    {{"set a==5"}, {}},
    {{"set a="}, {}},
    {{"set a=-32768.5", "set b=3.2767E4", "set c=1e-999"}, {}},
    {{"set a=3.2768D4"}, refused(kTooLarge)},
    {{"set a=-32769"}, refused(kTooLarge)},
    {{"set a=99999999999999999999"}, refused(kTooLarge)},
    {{"set a=-1e999"}, refused(kTooLarge)},
    {{"set н=-32768", "set в=32767", "if н<-32767 then pn меньше", "if в>32766 then pn больше",
      "if н=-32768 then pn равно", "if в<>32768 then pn не 32768"},
     {},
     "меньше\nбольше\nравно\nне 32768\n"},
    {{"101× set v%=%", "if v101=0 then pn создана"},
     {"Слишком много переменных. … Строка:104", "Слишком много переменных. … Строка:105"}},
    // A variable created by a condition starts at 0, whatever an earlier write left in its slot.
    {{"set =7", "99× set v%=1", "if v100=7 then pn осталось 7 else pn с нуля"}, {}, "с нуля\n"},
    {{"if"}, refused(kNoThen)},
    {{"if a=1"}, refused(kNoThen)},
    {{"if then"}, {}},
    {{"if a=1 then"}, {}},
    {{"if a=1 then pn x else"}, {}},
    {{"if a=1 else pn x then pn y"}, refused(kElse)},
    {{"if a=1 thenelse pn x"}, refused(kElse)},
    {{"if a=1 then else pn x"}, refused(kElse)},
    {{"if #ключ=0 then pn нет"}, {}, "нет\n"},
    {{"if #замок=1 then pn x"}, refused("В условии назван предмет, которого нет.")},
    {{"if #=1 then pn x", "if $=зал then pn x"}, {}},
    {{"if a>1e999 then pn x", "if a<-1e999 then pn x", "if a=-1D999 then pn x"}, {}},
    {{"+func"}, refused("Ошибочные параметры к функции +func.")},
    {{"room r", "+func без запятой"}, refused("Ошибочные параметры к функции +func.", 5)},
    {{"+func_loc"}, refused("Ошибочные параметры к функции +func_loc.")},
    {{"+func_loc без запятой"}, refused("Ошибочные параметры к функции +func_loc.")},
    {{"+func_inv"}, refused("Ошибочные параметры к функции +func_inv.")},
    {{"+func ,", "+func_inv ,,,", "-func"}, {}},
    {{"room r", "11× +func f%,pn %"}, refused("Слишком много функций.", 15)},
    {{"item i", "11× +func_loc f%,pn %"}, refused("Слишком много функций.", 15)},
    {{"100× room r%"}, refused("Слишком много комнат.", 103)},
    {{"100× item i%"}, refused("Слишком много предметов.", 103)},
    {{"deleteitem"}, refused("Ошибочные параметры к функции DeleteItem.")},
    {{"deleteitem ,", "deleteitem нет,нет"}, {}},
    {{"exitview 1", "exitview 0"}, {}},
    {{"exitview"}, refused(kExitView)},
    {{"exitview 2"}, refused(kExitView)},
    {{"exitview 0 "}, refused(kExitView)},
    {{"exitview 01"}, refused(kExitView)},
    {{"exitview -1"}, refused(kExitView)},
    {{"exitview 1.0"}, refused(kExitView)},
    {{"exitview  1"}, refused(kExitView)},
};

} // namespace

TEST(Refusals, AreToldOnceWithTheirLineAndTheStoryGoesOn) {
    for (const Row &row : kRows) {
        SCOPED_TRACE(row.lines.back());
        std::vector<std::string> lines{"room зал", "item ключ", "done"};
        lines.insert(lines.end(), row.lines.begin(), row.lines.end());
        lines.push_back("pn дальше");
        StoryHarness h;
        h.load(lines);
        EXPECT_EQ(h.shown(), row.shown + "дальше\n");
        EXPECT_EQ(h.takeErrors(), row.errors);
    }
}
