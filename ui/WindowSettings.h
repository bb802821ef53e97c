#pragma once

#include "AuthorMessageDisplay.h"
#include "Theme.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <memory>

// What the player chose for the game window, kept from one run to the next.
struct WindowPreferences {
    QString fontFamily;  // empty: the desktop's
    double fontSize = 0; // points; 0: the desktop's
    Theme theme = Theme::Story;
    int zoom = 0; // steps of larger (above 0) or smaller (below 0) text
    AuthorMessageDisplay messages = AuthorMessageDisplay::Boxes;

    bool operator==(const WindowPreferences &) const = default;
};

// Beyond these a console is no longer readable, and a huge font takes long to draw.
inline constexpr double kSmallestFontSize = 4;
inline constexpr double kLargestFontSize = 144;
inline constexpr int kSmallestZoom = -8;
inline constexpr int kLargestZoom = 16;

// The settings file of the game window (an INI file). Reading never fails: a missing, unreadable
// or broken file, or a value that makes no sense, gives the default. Writing checks that the file
// was written (it is replaced whole, or left as it was) and says why not.
//
// The file is opened once, when the window is made: the toolkit tells only the first reader of a
// file that it is broken, and whatever it could read of a broken file must not be taken.
class WindowSettings {
public:
    explicit WindowSettings(QString path = DefaultPath());
    // zuft.conf in the user's configuration folder for the program.
    static QString DefaultPath();

    WindowPreferences Read() const;
    // The window's size and place, as QWidget::saveGeometry gives them, for a desktop drawn at
    // `scale` (its device pixel ratio); empty when none is kept. Each scale keeps its own: a run
    // at twice the size must not shrink the window of the next run at the usual one.
    QByteArray Geometry(qreal scale) const;

    bool Write(const WindowPreferences &preferences);
    bool WriteGeometry(const QByteArray &geometry, qreal scale);
    // Why the last write failed.
    const QString &ErrorString() const { return m_error; }
    const QString &Path() const { return m_path; }

private:
    template <typename Fill> bool write(Fill fill);

    QString m_path;
    std::unique_ptr<QSettings> m_file;
    bool m_broken;
    QString m_error;
};
