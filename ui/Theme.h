#pragma once

#include <QStringView>
#include <array>

class QWidget;

// The colours of the console and the input line. The story's own are pale yellow and pink, as the
// game window has always shown them; the others serve eyes and rooms that need other ones.
enum class Theme {
    Story,        // pale yellow console, pink input line, black text (the default)
    Dark,         // light grey text on dark grey
    HighContrast, // white and yellow on black
    Desktop       // whatever the desktop's palette gives text boxes
};

struct ThemeChoice {
    Theme theme;
    QStringView key;   // as kept in the settings
    QStringView label; // as the menus and the settings window offer it
};

inline constexpr std::array<ThemeChoice, 4> kThemeChoices{{
    {Theme::Story, u"story", u"Цвета истории"},
    {Theme::Dark, u"dark", u"Тёмная"},
    {Theme::HighContrast, u"high-contrast", u"Высокий контраст"},
    {Theme::Desktop, u"desktop", u"Как на рабочем столе"},
}};

// The theme a kept key names; a key this version does not know gives the default.
Theme ThemeFromKey(QStringView key);
QStringView ThemeKey(Theme theme);

// Colours the console and the input line.
void ApplyTheme(Theme theme, QWidget &console, QWidget &inputLine);
