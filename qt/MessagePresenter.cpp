#include "MessagePresenter.h"

#include "QtText.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
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

// Qt's own «Yes» and «No» speak the desktop's language; a story's author reads Russian.
void nameYesAndNo(QAbstractButton *yes, QAbstractButton *no) {
    yes->setText(QStringLiteral("Да"));
    no->setText(QStringLiteral("Нет"));
}

// True for OK or «Да».
bool showScrolling(QWidget *parent, const QString &title, QMessageBox::Icon icon, QString text,
                   bool question) {
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
    auto *buttons = new QDialogButtonBox(
        question ? QDialogButtonBox::Yes | QDialogButtonBox::No : QDialogButtonBox::Ok, &box);
    if (question)
        nameYesAndNo(buttons->button(QDialogButtonBox::Yes), buttons->button(QDialogButtonBox::No));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    layout->addWidget(buttons);
    const QRect screen = (parent ? parent->screen() : box.screen())->availableGeometry();
    box.resize(std::min(screen.width() * 2 / 3, 640), screen.height() * 2 / 3);
    return box.exec() == QDialog::Accepted;
}

bool showPlain(QWidget *parent, const QString &title, QMessageBox::Icon icon, const QString &text,
               bool question) {
    QMessageBox box(icon, title, text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    if (question) {
        nameYesAndNo(box.button(QMessageBox::Yes), box.button(QMessageBox::No));
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    }
    // A story's text is shown as written, even when it happens to look like markup.
    box.setTextFormat(Qt::PlainText);
    return box.exec() != QMessageBox::No;
}

bool showMessage(QWidget *parent, const AuthorMessage &message, bool question) {
    const QString title =
        ToQString(message.title.empty() ? kApplicationTitle : std::u16string_view(message.title));
    const QString text = ToQString(message.text).replace(u'\r', u'\n');
    if (text.size() > kLongestPlainBox || text.count(u'\n') >= kMostPlainBoxLines)
        return showScrolling(parent, title, boxIcon(message.icon), text, question);
    return showPlain(parent, title, boxIcon(message.icon), text, question);
}

} // namespace

void MessageBoxPresenter::Present(QWidget *parent, const AuthorMessage &message) {
    showMessage(parent, message, false);
}

bool MessageBoxPresenter::Ask(QWidget *parent, const AuthorMessage &question) {
    return showMessage(parent, question, true);
}

int MessageBoxPresenter::Choose(QWidget *parent, const AuthorMessage &question,
                                const QStringList &answers) {
    QMessageBox box(
        boxIcon(question.icon),
        ToQString(question.title.empty() ? kApplicationTitle : std::u16string_view(question.title)),
        ToQString(question.text).replace(u'\r', u'\n'), QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QList<QAbstractButton *> buttons;
    for (const QString &answer : answers)
        buttons.append(box.addButton(answer, QMessageBox::AcceptRole));
    if (!buttons.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton *>(buttons.constFirst()));
    box.exec();
    return std::max<int>(0, int(buttons.indexOf(box.clickedButton())));
}
