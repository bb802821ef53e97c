#pragma once

#include "game/ScreenText.h"

#include <QWidget>
#include <string_view>

// Tells a screen reader what each turn printed. The console's own text events carry the whole
// exchange, the player's echoed line and the box's line separators included, and a screen reader
// does not read them out unless the console has the focus, which stays in the input line. So this
// small widget, which shows nothing, stands for a notification: its accessible name becomes the
// turn's text and it is shown anew, which AT-SPI reports as a notification showing, and screen
// readers such as Orca read a notification out as it appears.
class TurnAnnouncer : public QWidget {
    Q_OBJECT

public:
    explicit TurnAnnouncer(QWidget *parent);

    void announce(const QString &text);

    // What a turn's answer printed, as the player reads it: lines separated by LF, without
    // control, format or separator characters, at most kLongest characters.
    static QString PlainText(std::u16string_view answer);
    static constexpr qsizetype kLongest = kMostAnnounced;
};
