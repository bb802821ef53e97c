#include "CommandLine.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

namespace {

bool isTurnKey(const QKeyEvent &key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

bool isUndoOrRedo(const QKeyEvent &key) {
    return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo) ||
           key.keyCombination() == QKeyCombination(Qt::CTRL | Qt::Key_Y);
}

// A key that types a character: a letter, a digit, a sign or a space, with Shift at most.
bool typesText(const QKeyEvent &key) {
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !(key.modifiers() & commands) && !key.text().isEmpty() && key.text().front().isPrint();
}

} // namespace

CommandLine::CommandLine(QWidget *parent) : QLineEdit(parent) {}

void CommandLine::setHistory(const QStringList &lines) {
    m_history = lines;
    m_walk = m_history.size();
    m_beingTyped.clear();
}

void CommandLine::addToHistory(const QString &line) {
    m_history.append(line);
    m_walk = m_history.size();
    m_beingTyped.clear();
}

void CommandLine::catchTypingIn(QWidget *widget) {
    widget->installEventFilter(this);
}

bool CommandLine::event(QEvent *event) {
    // The line would take the undo keys even when it has nothing to undo; on an empty line they
    // belong to the game.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto &key = static_cast<const QKeyEvent &>(*event);
        if (isUndoOrRedo(key) && text().isEmpty()) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CommandLine::keyPressEvent(QKeyEvent *event) {
    if (isTurnKey(*event)) {
        const QString line = text();
        clear();
        m_walk = m_history.size();
        m_beingTyped.clear();
        Q_EMIT submitted(line);
    } else if (event->key() == Qt::Key_Up && event->modifiers() == Qt::NoModifier) {
        walkHistory(-1);
    } else if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier) {
        walkHistory(+1);
    } else if (!scrollConsole(*event)) {
        QLineEdit::keyPressEvent(event);
    }
}

void CommandLine::walkHistory(int step) {
    const qsizetype to = std::clamp<qsizetype>(m_walk + step, 0, m_history.size());
    if (to == m_walk)
        return;
    if (m_walk == m_history.size())
        m_beingTyped = text();
    m_walk = to;
    setText(m_walk == m_history.size() ? m_beingTyped : m_history[m_walk]);
}

bool CommandLine::scrollConsole(const QKeyEvent &key) {
    if (!m_console)
        return false;
    QAbstractSlider::SliderAction action;
    const QKeyCombination keys = key.keyCombination();
    if (keys == QKeyCombination(Qt::Key_PageUp))
        action = QAbstractSlider::SliderPageStepSub;
    else if (keys == QKeyCombination(Qt::Key_PageDown))
        action = QAbstractSlider::SliderPageStepAdd;
    else if (keys == QKeyCombination(Qt::CTRL | Qt::Key_Home))
        action = QAbstractSlider::SliderToMinimum;
    else if (keys == QKeyCombination(Qt::CTRL | Qt::Key_End))
        action = QAbstractSlider::SliderToMaximum;
    else
        return false;
    m_console->verticalScrollBar()->triggerAction(action);
    return true;
}

// A player who clicked into the console to read, or to copy, types on without looking for the
// line: the keys that type, Enter and Backspace go there.
bool CommandLine::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return QLineEdit::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (!typesText(*key) && !isTurnKey(*key) && key->key() != Qt::Key_Backspace)
        return false;
    setFocus(Qt::OtherFocusReason);
    keyPressEvent(key);
    return true;
}
