#include "Theme.h"

#include <QPalette>
#include <QWidget>

namespace {

struct Colours {
    QColor base;
    QColor text;
};

struct Scheme {
    Colours console;
    Colours input;
};

Scheme schemeOf(Theme theme) {
    switch (theme) {
    case Theme::Dark:
        return {{QColor(0x1e, 0x1e, 0x1e), QColor(0xdc, 0xdc, 0xdc)},
                {QColor(0x2d, 0x2d, 0x35), QColor(0xf0, 0xf0, 0xf0)}};
    case Theme::HighContrast:
        return {{Qt::black, Qt::white}, {Qt::black, Qt::yellow}};
    case Theme::Story:
    case Theme::Desktop:
        break;
    }
    // Black text whatever the desktop's palette: a dark desktop would write pale text on the
    // pale background.
    return {{QColor(255, 255, 192), Qt::black}, {QColor(255, 192, 255), Qt::black}};
}

void colour(QWidget &control, const Colours &colours) {
    QPalette palette = control.palette();
    palette.setColor(QPalette::Base, colours.base);
    palette.setColor(QPalette::Text, colours.text);
    control.setPalette(palette);
}

} // namespace

Theme ThemeFromKey(QStringView key) {
    for (const ThemeChoice &choice : kThemeChoices)
        if (choice.key == key)
            return choice.theme;
    return Theme::Story;
}

QStringView ThemeKey(Theme theme) {
    for (const ThemeChoice &choice : kThemeChoices)
        if (choice.theme == theme)
            return choice.key;
    return kThemeChoices[0].key;
}

void ApplyTheme(Theme theme, QWidget &console, QWidget &inputLine) {
    if (theme == Theme::Desktop) {
        // The controls take the desktop's palette again, as they would had none been set.
        console.setPalette(QPalette());
        inputLine.setPalette(QPalette());
        return;
    }
    const Scheme scheme = schemeOf(theme);
    colour(console, scheme.console);
    colour(inputLine, scheme.input);
}
