#include "WindowGeometry.h"

#include <QScreen>
#include <QWidget>
#include <cmath>

int TwipsToPixels(int twips, const QWidget &window) {
    constexpr double kTwipsPerInch = 1440;
    return int(std::lround(twips * window.logicalDpiX() / kTwipsPerInch));
}

QRect TwipsRect(int left, int top, int width, int height, const QWidget &window) {
    return {TwipsToPixels(left, window), TwipsToPixels(top, window), TwipsToPixels(width, window),
            TwipsToPixels(height, window)};
}

void CenterOnScreen(QWidget &window) {
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

void CenterOver(QWidget &window, const QWidget &other) {
    QRect frame = window.frameGeometry();
    frame.moveCenter(other.frameGeometry().center());
    window.move(frame.topLeft());
}
