#include "MessagePresenter.h"

#include <QMessageBox>

namespace {

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

} // namespace

void MessageBoxPresenter::Present(QWidget *parent, const AuthorMessage &message) {
    const QString title = message.title.isEmpty() ? kApplicationTitle : message.title;
    QMessageBox box(boxIcon(message.icon), title, QString(message.text).replace(u'\r', u'\n'),
                    QMessageBox::Ok, parent);
    // A story's text is shown as written, even when it happens to look like markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
