#include "PictureButton.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

PictureButton::PictureButton(const QString &pictureFile, const QString &caption,
                             const QCursor &cursor, QWidget *parent)
    : QAbstractButton(parent), m_picture(pictureFile) {
    setAccessibleName(caption);
    setCursor(cursor);
    // The mouse leaves the keyboard where it was; only Tab brings it here.
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    const QSizeF size = m_picture.deviceIndependentSize();
    painter.drawPixmap(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2),
                       m_picture);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

// Space presses a button of its own accord; Enter does too here, as a player at the keyboard
// expects of the launcher's two pictures.
void PictureButton::keyPressEvent(QKeyEvent *event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
