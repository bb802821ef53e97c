#pragma once

#include <QRect>

class QWidget;

// The windows are drawn to a plan measured in twips: 1440 to the inch, so 15 to a pixel on a
// screen of 96 dots per inch. A screen of another density gets the same plan in proportion.
int TwipsToPixels(int twips, const QWidget &window);
QRect TwipsRect(int left, int top, int width, int height, const QWidget &window);

// Places a window in the middle of the screen it is on.
void CenterOnScreen(QWidget &window);
// Places a window in the middle of another one, as a window manager places a dialog.
void CenterOver(QWidget &window, const QWidget &other);
