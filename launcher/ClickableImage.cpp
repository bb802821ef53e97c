#include "ClickableImage.h"

#include <QMouseEvent>

ClickableImage::ClickableImage(const QString &pictureFile, const QCursor &cursor, QWidget *parent)
    : QLabel(parent) {
    setPixmap(QPixmap(pictureFile));
    setAlignment(Qt::AlignCenter);
    setCursor(cursor);
}

void ClickableImage::mousePressEvent(QMouseEvent *event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

// As with a button, a press that the player drags off the picture before letting go is no
// click.
void ClickableImage::mouseReleaseEvent(QMouseEvent *event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}
