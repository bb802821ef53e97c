#include "OutlinedLabel.h"

#include <QPainter>
#include <QPainterPath>

OutlinedLabel::OutlinedLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

void OutlinedLabel::paintEvent(QPaintEvent *) {
    const QFontMetricsF metrics(font());
    // Wide enough to part the letters from any picture, narrow enough to leave them open.
    const qreal outline = std::max(2.0, metrics.height() / 8);
    QPainterPath letters;
    letters.addText(outline / 2, (height() - metrics.height()) / 2 + metrics.ascent(), font(),
                    text());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(letters, QPen(palette().color(QPalette::Window), outline, Qt::SolidLine,
                                     Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(letters, palette().color(QPalette::WindowText));
}
