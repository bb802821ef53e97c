#pragma once

#include <QLabel>

// A picture that does something when the player clicks it, like a button without a frame.
class ClickableImage : public QLabel {
    Q_OBJECT

public:
    ClickableImage(const QString &pictureFile, const QCursor &cursor, QWidget *parent);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
