#include "ReplayProgressDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

ReplayProgressDialog::ReplayProgressDialog(QWidget *window, QString what)
    : m_window(window), m_what(std::move(what)) {}

ReplayProgressDialog::~ReplayProgressDialog() {
    if (!m_dialog)
        return;
    qApp->removeEventFilter(this);
    if (m_dialog->isVisible()) {
        m_dialog->hide();
        m_window->activateWindow(); // the player goes on typing into the game
    }
    if (auto *line = qobject_cast<QLineEdit *>(m_window->focusWidget()))
        line->insert(m_typed);
}

ReplayProgress ReplayProgressDialog::Callback() {
    return [this](std::size_t done, std::size_t total) { return report(done, total); };
}

bool ReplayProgressDialog::report(std::size_t done, std::size_t total) {
    if (!m_dialog) {
        m_dialog = std::make_unique<QProgressDialog>(m_what, QString(), 0, 0, m_window);
        // A button of its own, which Enter never presses: a player who typed a command as the
        // dialog came up meant the game, not «Отмена».
        auto *cancel = new QPushButton(QStringLiteral("Отмена"));
        cancel->setAutoDefault(false);
        cancel->setDefault(false);
        m_dialog->setCancelButton(cancel);
        m_dialog->setWindowTitle(QStringLiteral("Зуфт Win"));
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(INT_MAX); // it shows when this class says so
        m_dialog->setAutoReset(false);
        m_dialog->setAutoClose(false);
        qApp->installEventFilter(this);
        m_since.start();
    }
    m_dialog->setMaximum(int(std::min<std::size_t>(total, INT_MAX)));
    m_dialog->setValue(int(std::min<std::size_t>(done, INT_MAX)));
    if (!m_dialog->isVisible() && m_since.elapsed() >= kShownAfterMs)
        m_dialog->show();
    // The dialog appears, and its «Отмена» is heard, only if the window gets its events; but
    // no key may reach the game before the dialog stands in front of it.
    QCoreApplication::processEvents(m_dialog->isVisible() ? QEventLoop::AllEvents
                                                          : QEventLoop::ExcludeUserInputEvents);
    return !m_dialog->wasCanceled();
}

// Escape still cancels (the dialog's own shortcut hears it before any key press); every other
// key meant for the dialog is kept for the input line.
bool ReplayProgressDialog::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress || !m_dialog || !m_dialog->isVisible())
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_dialog.get())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Escape)
        return false;
    const auto modifiers = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (key->key() == Qt::Key_Backspace)
        m_typed.chop(1);
    else if (modifiers == Qt::NoModifier && !key->text().isEmpty() && key->text().at(0).isPrint())
        m_typed += key->text();
    return true;
}
