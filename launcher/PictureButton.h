#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A picture that works as a button without a frame: the player clicks it, or reaches it with Tab
// and presses Space or Enter. Screen readers hear a button named by its caption.
class PictureButton : public QAbstractButton {
    Q_OBJECT

public:
    PictureButton(const QString &pictureFile, const QString &caption, const QCursor &cursor,
                  QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap m_picture;
};
