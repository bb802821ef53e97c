#pragma once

#include <QLineEdit>
#include <QStringList>

class QAbstractScrollArea;

// The input line Input1, where the player types a command. It plays the line itself when Enter
// is pressed, so a turn never depends on a shortcut of the window (a desktop without a window
// manager never makes the window active). Around that, what players expect of a command line:
// - Up and Down walk through the lines typed in this game, the newest first; a half-typed line
//   is kept and comes back below the newest;
// - PgUp, PgDn, Ctrl+Home and Ctrl+End scroll the console, so the player reads back without
//   leaving the line;
// - Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y edit the line while it holds text; on an empty line they are
//   left to the window, which takes a turn back or plays it again;
// - a printable key typed in the console (or elsewhere in the window) comes here.
class CommandLine : public QLineEdit {
    Q_OBJECT

public:
    explicit CommandLine(QWidget *parent = nullptr);

    // The console that the page keys scroll.
    void setConsole(QAbstractScrollArea *console) { m_console = console; }
    // The lines typed so far, oldest first. Walking starts again from the newest.
    void setHistory(const QStringList &lines);
    // One more line typed, the newest. Walking starts again from it.
    void addToHistory(const QString &line);
    // Printable keys typed in `widget` are typed here instead.
    void catchTypingIn(QWidget *widget);

Q_SIGNALS:
    // Enter was pressed: the line is emptied and handed over, to be played.
    void submitted(const QString &line);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void walkHistory(int step);
    bool scrollConsole(const QKeyEvent &key);

    QAbstractScrollArea *m_console = nullptr;
    QStringList m_history;
    qsizetype m_walk = 0; // where Up and Down stand: m_history.size() is the line being typed
    QString m_beingTyped; // what the player had typed before walking away from it
};
