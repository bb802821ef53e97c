#pragma once

#include <QLabel>

// A line of text written across a picture. Its letters are drawn in the window's text colour
// inside an outline of the window's own colour, so that they stand out from the picture as well
// as from the window, whether the desktop is light or dark.
class OutlinedLabel : public QLabel {
    Q_OBJECT

public:
    OutlinedLabel(const QString &text, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
