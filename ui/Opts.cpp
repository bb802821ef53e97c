#include "Opts.h"

#include "QtText.h"
#include "WindowGeometry.h"
#include "engine/NumberReading.h"

#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace {

// Beyond these a console is no longer readable, and a huge font takes the machine a long time
// to draw.
constexpr double kSmallestFontSize = 4;
constexpr double kLargestFontSize = 144;

} // namespace

Opts::Opts(QWidget *gameWindow) : QDialog(gameWindow) {
    createControls();
    layoutControls();
    connectControls();
}

void Opts::createControls() {
    setObjectName(QStringLiteral("Opts"));
    setWindowTitle(QStringLiteral("Настройки..."));
    // The game waits while its settings are open.
    setWindowModality(Qt::WindowModal);

    m_fontSize = new QLineEdit(this);
    m_fontSize->setObjectName(QStringLiteral("FontSize1"));
    m_fontSize->setPlaceholderText(QStringLiteral("Размер, пт"));
    m_fontSize->setToolTip(QStringLiteral("Размер шрифта консоли в пунктах"));

    // Enter applies, Escape leaves the size as it was, as in any dialog.
    m_apply = new QPushButton(QStringLiteral("Применить"), this);
    m_apply->setObjectName(QStringLiteral("TheOK"));
    m_apply->setDefault(true);
}

void Opts::layoutControls() {
    setFixedSize(TwipsToPixels(4680, *this), TwipsToPixels(3150, *this));
    m_fontSize->setGeometry(TwipsRect(120, 120, 1335, 375, *this));
    m_apply->setGeometry(TwipsRect(1320, 2640, 1695, 375, *this));
}

void Opts::connectControls() {
    connect(m_apply, &QPushButton::clicked, this, &Opts::apply);
}

void Opts::apply() {
    hide();
    const double points = FontSizeFromText(m_fontSize->text());
    if (points != 0)
        Q_EMIT fontSizeChosen(points);
}

// The number at the start of the text; none, zero or a negative one leaves the size as it is.
double Opts::FontSizeFromText(const QString &text) {
    const double points = ReadNumber(FromQString(text));
    if (!std::isfinite(points) || points <= 0)
        return 0;
    return std::clamp(points, kSmallestFontSize, kLargestFontSize);
}
