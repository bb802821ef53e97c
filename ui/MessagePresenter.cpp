#include "MessagePresenter.h"

#include "QtText.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// A message longer than this is read in a box of its own size, scrolling, so that its OK button
// stays on the screen; beyond the longest part shown, nobody reads on, and laying it out would
// keep the player waiting.
constexpr qsizetype kLongestPlainBox = 2000;
constexpr int kMostPlainBoxLines = 25;
constexpr qsizetype kLongestShown = 100'000;

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

void showScrolling(QWidget *parent, const QString &title, QMessageBox::Icon icon, QString text) {
    if (text.size() > kLongestShown)
        text = text.left(kLongestShown) +
               QStringLiteral("\n[…] Сообщение длиннее, показано начало: %L1 знаков из %L2.")
                   .arg(kLongestShown)
                   .arg(text.size());
    QDialog box(parent);
    box.setWindowTitle(title);
    auto *layout = new QVBoxLayout(&box);
    auto *row = new QHBoxLayout;
    if (icon != QMessageBox::NoIcon) {
        const auto picturedBy = icon == QMessageBox::Critical ? QStyle::SP_MessageBoxCritical
                                                              : QStyle::SP_MessageBoxWarning;
        const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
        auto *picture = new QLabel(&box);
        picture->setPixmap(box.style()->standardIcon(picturedBy).pixmap(size));
        picture->setAlignment(Qt::AlignTop);
        row->addWidget(picture);
    }
    auto *textBox = new QPlainTextEdit(text, &box);
    textBox->setReadOnly(true);
    textBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    row->addWidget(textBox, 1);
    layout->addLayout(row, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    const QRect screen = (parent ? parent->screen() : box.screen())->availableGeometry();
    box.resize(std::min(screen.width() * 2 / 3, 640), screen.height() * 2 / 3);
    box.exec();
}

} // namespace

void MessageBoxPresenter::Present(QWidget *parent, const AuthorMessage &message) {
    const QString title =
        ToQString(message.title.empty() ? kApplicationTitle : std::u16string_view(message.title));
    const QString text = ToQString(message.text).replace(u'\r', u'\n');
    if (text.size() > kLongestPlainBox || text.count(u'\n') >= kMostPlainBoxLines) {
        showScrolling(parent, title, boxIcon(message.icon), text);
        return;
    }
    QMessageBox box(boxIcon(message.icon), title, text, QMessageBox::Ok, parent);
    // A story's text is shown as written, even when it happens to look like markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
