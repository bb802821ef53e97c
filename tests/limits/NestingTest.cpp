// Stories that never stop on their own: jumps that nest without end, jumps back over a waiting
// point that never nest at all, conditions inside conditions. Each is stopped with one box to
// the author, and the next turn plays as if nothing had happened.

#include "TroubleStory.h"

#include <QThread>
#include <gtest/gtest.h>
#include <memory>

namespace {

// count labelled lines, each jumping to the next through `conditions` nested conditions.
QStringList jumpChain(int count, int conditions) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("rem l%1:").arg(i)
              << QStringLiteral("if a=0 then ").repeated(conditions) +
                     QStringLiteral("goto rem l%1").arg(i + 1);
    lines << QStringLiteral("rem l%1:").arg(count) << "pn дно";
    return lines;
}

// The "Ошибка!" boxes so far, without the trace of each condition; all boxes are then forgotten.
QStringList errorBoxes(StoryHarness &h) {
    QStringList errors;
    for (const AuthorMessage &box : h.host.boxes)
        if (box.title == u"Ошибка!")
            errors << box.text;
    h.host.boxes.clear();
    return errors;
}

} // namespace

TEST(Nesting, ALabelJumpingBackToItselfIsStoppedOnceAtLoadAndInATurn) {
    const QStringList loop{"rem круг:", "goto rem круг"};
    StoryHarness atLoad;
    EXPECT_TRUE(atLoad.load(loop));
    QStringList boxes = atLoad.takeBoxes();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].startsWith("Слишком много переходов подряд без остановки на wait."));

    StoryHarness inTurn;
    inTurn.load(storyWithTrouble("goto rem круг | pn после", loop));
    inTurn.turn("беда");
    boxes = inTurn.takeBoxes();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_FALSE(inTurn.shown().contains("после"));
    expectStillPlaying(inTurn);
}

// Each jump back runs to the waiting point and returns, so nothing nests and no run ever
// stops: only the work the turn has done tells that it will never end.
TEST(Nesting, AJumpBackOverAWaitingPointIsStoppedOnceAtLoadAndInATurn) {
    const QStringList loop{"rem начало:", "goto rem круг", "rem круг:", "wait",
                           "pn круг & goto rem круг"};
    StoryHarness atLoad;
    EXPECT_TRUE(atLoad.load(loop));
    QStringList boxes = atLoad.takeBoxes();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].startsWith("Слишком долгий ход без остановки на wait.\n"));
    EXPECT_TRUE(boxes[0].contains("\nТребуется: остановка на wait\n"));
    EXPECT_TRUE(atLoad.shown().endsWith("круг\n"));

    StoryHarness inTurn;
    inTurn.load(storyWithTrouble("goto rem начало", loop));
    for (int turn = 0; turn < 2; ++turn) {
        inTurn.turn("беда");
        EXPECT_EQ(inTurn.takeBoxes().size(), 1);
    }
    expectStillPlaying(inTurn);
}

// Conditions and jumps nested past every limit, run with less stack than the program's main
// thread has, so a change that makes a level heavier fails here before it fails a player.
TEST(Nesting, TheDeepestNestingLeavesTwoMebibytesOfTheStack) {
    StoryHarness h;
    const std::unique_ptr<QThread> story(QThread::create([&h] {
        h.load(storyWithTrouble("goto rem l0", jumpChain(1500, 3)));
        h.turn("беда");
    }));
    story->setStackSize(6 * 1024 * 1024);
    story->start();
    story->wait();
    // The traces of thousands of conditions pass the turn's share of boxes first.
    const QStringList errors = errorBoxes(h);
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].startsWith("Слишком много сообщений за один ход"));
    EXPECT_TRUE(errors[1].startsWith("Слишком глубокая вложенность условий."));
    EXPECT_FALSE(h.shown().contains("дно"));
    expectStillPlaying(h);
}

TEST(Nesting, ALongLineOfConditionsInsideConditionsIsStopped) {
    StoryHarness h;
    h.load(storyWithTrouble("goto rem x",
                            {"rem x:", QStringLiteral("if a=0 then ").repeated(5000) + "pn дно"}));
    h.turn("беда");
    const QStringList errors = errorBoxes(h);
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[1].startsWith("Слишком глубокая вложенность условий."));
    EXPECT_FALSE(h.shown().contains("дно"));
    expectStillPlaying(h);
}
