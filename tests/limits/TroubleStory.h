#pragma once

#include "support/StoryHarness.h"

#include <gtest/gtest.h>

// A story whose room answers «беда» with the trouble under test and «смотреть» with one line,
// then the script of the trouble after the first waiting point. A test starts the trouble in a
// turn and then shows that the story still answers.
inline QStringList storyWithTrouble(const QString &trouble, const QStringList &script) {
    return QStringList{"room r", "+func беда," + trouble, "+func смотреть,pn видно", "setroom r",
                       "wait"} +
           script;
}

inline void expectStillPlaying(StoryHarness &h) {
    h.turn("смотреть");
    EXPECT_EQ(h.shown(), ">смотреть\n\nвидно\n");
    EXPECT_TRUE(h.takeBoxes().isEmpty());
}
