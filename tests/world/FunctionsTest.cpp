#include "support/StoryHarness.h"

#include <gtest/gtest.h>

namespace {

// A room whose only function "f" has the given body; returns what typing "f" prints.
QString run(const QString &body) {
    StoryHarness h;
    h.load({"room r", "+text R", "+func f," + body, "+func g,pn g", "done", "changeroom r"});
    h.turn("f");
    return h.shown().mid(QStringLiteral(">f\n\n").size());
}

} // namespace

TEST(Functions, ABodyIsCutAtSpaceBarSpace) {
    EXPECT_EQ(run("p a | pn b"), "ab\n");
    EXPECT_EQ(run("pn once"), "once\n");
    EXPECT_EQ(run("pn a | pn b | "), "a\nb\n");
    EXPECT_EQ(run("pn one|pn two"), "on\n"); // the bar's neighbours are dropped: "n two"
    EXPECT_EQ(run("| pn first"), "first\n");
}

TEST(Functions, ABodyPrintsInOrderAroundARoomDescription) {
    EXPECT_EQ(run("pn before | setroom r | pn after"), "before\nR\nafter\n");
}

TEST(Functions, ABodyContinuesTheStoryThroughAJump) {
    StoryHarness h;
    h.load({"room hall", "+text Зал", "+func с,goto rem north", "done", "setroom hall", "wait",
            "rem north:", "pn Вы пошли на север", "wait"});
    EXPECT_EQ(h.story.ScriptCursor(), 5);
    h.turn("с");
    EXPECT_EQ(h.shown(), ">с\n\nВы пошли на север\n");
    EXPECT_EQ(h.story.ScriptCursor(), 8);
    EXPECT_TRUE(h.host.boxes.isEmpty());
}
