#pragma once

#include "BoxLines.h"

#include <QWidget>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class MessagePresenter;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QKeySequence;
class QPushButton;

// «История игры» (objectName HistoryView, Ctrl+H in the game window): the whole game so far in
// a window of its own, read-only, every exchange as the console showed it, in order, an empty
// line between them. Find (Ctrl+F, then Enter or F3 for the next, Shift+F3 for the previous)
// ignores case, Cyrillic and Latin alike, and goes round the end. «Сохранить как текст…» writes
// what the view shows as UTF-8, the whole file or nothing; a failure is told in a box.
class HistoryView : public QWidget {
    Q_OBJECT

public:
    explicit HistoryView(MessagePresenter &presenter, QWidget *parent = nullptr);

    // Shows a game's history, one console text (lines ending in CR LF) for each exchange.
    // The first `forgotten` exchanges were let go to save memory, and are left empty: a note
    // says so. A history of 32 Mi characters is shown in one go, in about a second.
    void setHistory(const std::vector<std::u16string> &history, std::size_t forgotten = 0);
    // The same history, grown by a turn or more since it was shown: the exchanges forgotten since
    // go from the start and the new ones are added at the end, so that a turn costs the same
    // however long the game is.
    void addNewExchanges(const std::vector<std::u16string> &history, std::size_t forgotten);

    // Finds the text of the find line after the selection, or before it; false when it is
    // nowhere in the history.
    bool findNext();
    bool findPrevious();
    void startFind();

    // Asks where, then saves; saveTo saves without asking, and tells the player of a failure.
    void saveAs();
    bool saveTo(const QString &path);

private:
    void createControls();
    void layoutControls();
    void createActions();
    void addShortcut(const QKeySequence &keys, const std::function<void()> &run);
    bool find(bool backward);
    void showLatest();
    void forget(std::size_t forgotten);

    MessagePresenter &m_presenter;
    QPlainTextEdit *m_text = nullptr;
    QLineEdit *m_findText = nullptr;
    QPushButton *m_findNext = nullptr;
    QPushButton *m_findPrevious = nullptr;
    QLabel *m_findStatus = nullptr;
    QPushButton *m_save = nullptr;

    // What the box shows: the first m_shown exchanges of the history, m_forgotten of them
    // forgotten, under a note as long as m_noteLength. m_lengths: of each exchange shown, what
    // it takes in the box with the empty line after it.
    BoxLines m_lines;
    std::size_t m_shown = 0;
    std::size_t m_forgotten = 0;
    qsizetype m_noteLength = 0;
    std::deque<qsizetype> m_lengths;
    qsizetype m_latest = 0; // where the latest exchange begins
    bool m_lastEndsLine = false;
};
