#include "ReplayProgressDialog.h"

#include <QCoreApplication>

ReplayProgress ReplayProgressDialog::Callback() {
    return [this](std::size_t done, std::size_t total) {
        if (!m_dialog) {
            m_dialog =
                std::make_unique<QProgressDialog>(m_what, QStringLiteral("Отмена"), 0, 0, m_window);
            m_dialog->setWindowTitle(QStringLiteral("Зуфт Win"));
            m_dialog->setWindowModality(Qt::WindowModal);
            m_dialog->setMinimumDuration(500);
            m_dialog->setAutoReset(false);
            m_dialog->setAutoClose(false);
        }
        m_dialog->setMaximum(int(std::min<std::size_t>(total, INT_MAX)));
        m_dialog->setValue(int(std::min<std::size_t>(done, INT_MAX)));
        // The dialog appears, and its «Отмена» is heard, only if the window gets its events; but
        // no key may reach the game before the dialog stands in front of it.
        QCoreApplication::processEvents(m_dialog->isVisible() ? QEventLoop::AllEvents
                                                              : QEventLoop::ExcludeUserInputEvents);
        return !m_dialog->wasCanceled();
    };
}
