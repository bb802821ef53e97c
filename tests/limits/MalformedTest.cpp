// Every malformed form of the commands that take a structured parameter, and numbers at and
// beyond the edges of a story's 16-bit values. A form is either refused with one box naming
// the parameter and the line, or has a meaning of its own; either way the next command runs.

#include "support/StoryHarness.h"

#include <gtest/gtest.h>

namespace {

struct Form {
    const char *line;
    const char *refusal; // the first line of the box, or nullptr when the form is accepted
};

void PrintTo(const Form &form, std::ostream *out) {
    *out << form.line;
}

class MalformedCommands : public testing::TestWithParam<Form> {};

} // namespace

TEST_P(MalformedCommands, AreRefusedOrAcceptedAndTheStoryGoesOn) {
    const Form form = GetParam();
    StoryHarness h;
    h.load({"room зал", "item ключ", "done", QString::fromUtf8(form.line), "pn дальше"});
    EXPECT_TRUE(h.shown().endsWith("дальше\n"));
    QStringList errors;
    for (const AuthorMessage &box : h.host.boxes)
        if (box.title == u"Ошибка!")
            errors << box.text;
    if (!form.refusal) {
        EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
        return;
    }
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QString::fromUtf8(form.refusal) + u'\r'));
    EXPECT_TRUE(errors[0].endsWith(u"\rСтрока:4"));
}

INSTANTIATE_TEST_SUITE_P(
    Set, MalformedCommands,
    testing::Values(Form{"set", "Ошибочные параметры к функции Set."},
                    Form{"set a", "Ошибочные параметры к функции Set."}, Form{"set =5", nullptr},
                    Form{"set a==5", nullptr}, Form{"set a=", nullptr},
                    Form{"set a=-32768.5", nullptr}, Form{"set a=3.2767E4", nullptr},
                    Form{"set a=3.2768D4", "Значение не помещается в переменную."},
                    Form{"set a=99999999999999999999", "Значение не помещается в переменную."},
                    Form{"set a=-1e999", "Значение не помещается в переменную."},
                    Form{"set a=1e-999", nullptr}));

INSTANTIATE_TEST_SUITE_P(
    If, MalformedCommands,
    testing::Values(Form{"if", "Условие без then."}, Form{"if a=1", "Условие без then."},
                    Form{"if then", nullptr}, Form{"if a=1 then", nullptr},
                    Form{"if a=1 then pn x else", nullptr},
                    Form{"if a=1 else pn x then pn y", "Ошибочное место else в условии."},
                    Form{"if a=1 thenelse pn x", "Ошибочное место else в условии."},
                    Form{"if #ключ=1 then pn x", nullptr},
                    Form{"if #замок=1 then pn x", "В условии назван предмет, которого нет."},
                    Form{"if #=1 then pn x", nullptr}, Form{"if $=зал then pn x", nullptr},
                    Form{"if a>1e999 then pn x", nullptr}, Form{"if a<-1e999 then pn x", nullptr},
                    Form{"if a=-1D999 then pn x", nullptr}));

INSTANTIATE_TEST_SUITE_P(
    Functions, MalformedCommands,
    testing::Values(Form{"+func", "Ошибочные параметры к функции +func."},
                    Form{"+func_loc", "Ошибочные параметры к функции +func_loc."},
                    Form{"+func_loc без запятой", "Ошибочные параметры к функции +func_loc."},
                    Form{"+func_inv", "Ошибочные параметры к функции +func_inv."},
                    Form{"+func ,", nullptr}, Form{"+func_inv ,,,", nullptr},
                    Form{"-func", nullptr}));

INSTANTIATE_TEST_SUITE_P(
    DeleteItemAndExitView, MalformedCommands,
    testing::Values(Form{"deleteitem", "Ошибочные параметры к функции DeleteItem."},
                    Form{"deleteitem ,", nullptr}, Form{"deleteitem нет,нет", nullptr},
                    Form{"exitview 01", "Ошибочные параметры к функции ExitView."},
                    Form{"exitview -1", "Ошибочные параметры к функции ExitView."},
                    Form{"exitview 1.0", "Ошибочные параметры к функции ExitView."},
                    Form{"exitview  1", "Ошибочные параметры к функции ExitView."}));

TEST(Values, TheEdgesOfAStoryIntegerAreKeptAndCompared) {
    StoryHarness h;
    h.load({"set низ=-32768", "set верх=32767", "if низ<-32767 then pn низ меньше",
            "if верх>32766 then pn верх больше", "if низ=-32768 then pn низ равен",
            "if верх<>32768 then pn верх не 32768"});
    EXPECT_EQ(h.shown(), "низ меньше\nверх больше\nниз равен\nверх не 32768\n");
    h.turn("###_per");
    EXPECT_TRUE(h.shown().endsWith("низ      -32768\nверх      32767\n"));
}

TEST(Messages, AfterAThousandInOneTurnTheRestAreDroppedAndTheStoryGoesOn) {
    StoryHarness h;
    h.load({QStringLiteral("фу & ").repeated(1500) + "pn конец"});
    EXPECT_EQ(h.shown(), "конец\n");
    const QStringList boxes = h.takeBoxes();
    ASSERT_EQ(boxes.size(), Story::kMaxTurnMessages + 1);
    EXPECT_TRUE(boxes.last().startsWith("Слишком много сообщений за один ход"));
    EXPECT_TRUE(boxes.last().endsWith("\nСтрока:1"));
    h.load({"фу"}); // the next run counts afresh
    EXPECT_EQ(h.takeBoxes().size(), 1);
}
