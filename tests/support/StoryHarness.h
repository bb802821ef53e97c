#pragma once

#include "engine/Story.h"
#include "engine/Windows1251.h"

#include <QList>
#include <QStringList>
#include <ostream>

// Lets GoogleTest print Qt strings readably when an assertion fails.
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

// A console and author-message box that remember everything, like the game window would show it.
class Recorder : public Console, public AuthorMessages {
public:
    void AddText(const QString &text) override { console += text; }
    void Enter() override { console += QStringLiteral("\r\n"); }
    void ClearText() override { console.clear(); }
    void ShowEnd() override { ++showEndCount; }
    void RefillInput(const QString &text) override { input = text; }
    void Show(const AuthorMessage &message) override { boxes.append(message); }

    QString console;
    QList<AuthorMessage> boxes;
    QString input;
    int showEndCount = 0;
};

// A story built from lines, played turn by turn, with what it printed and told the author.
class StoryHarness {
public:
    // The lines become a Windows-1251 story file with CR LF line ends.
    bool load(const QStringList &lines) {
        return story.LoadBytes(EncodeWindows1251(lines.join(QStringLiteral("\r\n"))));
    }
    void turn(const QString &line) { story.Turn(line); }

    // The console with each line break shown as "\n".
    QString shown() const { return QString(host.console).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
    // The texts of the boxes so far, each line break shown as "\n"; the record is then emptied.
    QStringList takeBoxes() {
        QStringList texts;
        for (const AuthorMessage &box : host.boxes)
            texts.append(QString(box.text).replace(u'\r', u'\n'));
        host.boxes.clear();
        return texts;
    }
    const World &world() const { return story.world(); }

    Recorder host;
    Story story{host, host};
};
