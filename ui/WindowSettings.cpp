#include "WindowSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cmath>

namespace {

// The keys, in one place, so that reading and writing never disagree.
const QString kFontFamily = QStringLiteral("font/family");
const QString kFontSize = QStringLiteral("font/size");
const QString kTheme = QStringLiteral("view/theme");
const QString kZoom = QStringLiteral("view/zoom");
const QString kMessages = QStringLiteral("messages/display");
const QString kGeometry = QStringLiteral("window/geometry");

// The usual scale keeps the key it always had.
QString geometryKey(qreal scale) {
    return qFuzzyCompare(scale, 1.0) ? kGeometry : kGeometry + QStringLiteral("@%1").arg(scale);
}

double fontSizeFrom(const QVariant &value) {
    bool ok = false;
    const double points = value.toDouble(&ok);
    if (!ok || !std::isfinite(points) || points < kSmallestFontSize || points > kLargestFontSize)
        return 0;
    return points;
}

int zoomFrom(const QVariant &value) {
    bool ok = false;
    const int zoom = value.toInt(&ok);
    return ok && zoom >= kSmallestZoom && zoom <= kLargestZoom ? zoom : 0;
}

} // namespace

WindowSettings::WindowSettings(QString path)
    : m_path(std::move(path)), m_file(std::make_unique<QSettings>(m_path, QSettings::IniFormat)),
      m_broken(m_file->status() != QSettings::NoError) {}

QString WindowSettings::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/zuft.conf");
}

WindowPreferences WindowSettings::Read() const {
    const QSettings &file = *m_file;
    WindowPreferences preferences;
    if (m_broken)
        return preferences;
    preferences.fontFamily = file.value(kFontFamily).toString();
    preferences.fontSize = fontSizeFrom(file.value(kFontSize));
    preferences.theme = ThemeFromKey(file.value(kTheme).toString());
    preferences.zoom = zoomFrom(file.value(kZoom));
    preferences.messages = AuthorMessageDisplayFromKey(file.value(kMessages).toString());
    return preferences;
}

QByteArray WindowSettings::Geometry(qreal scale) const {
    return m_broken ? QByteArray() : m_file->value(geometryKey(scale)).toByteArray();
}

bool WindowSettings::Write(const WindowPreferences &preferences) {
    return write([&preferences](QSettings &file) {
        file.setValue(kFontFamily, preferences.fontFamily);
        file.setValue(kFontSize, preferences.fontSize);
        file.setValue(kTheme, ThemeKey(preferences.theme).toString());
        file.setValue(kZoom, preferences.zoom);
        file.setValue(kMessages, AuthorMessageDisplayKey(preferences.messages));
    });
}

bool WindowSettings::WriteGeometry(const QByteArray &geometry, qreal scale) {
    return write([&](QSettings &file) { file.setValue(geometryKey(scale), geometry); });
}

// QSettings replaces the file whole through a temporary file beside it, so a failed write
// leaves the old one; sync() and status() tell whether it got there.
template <typename Fill> bool WindowSettings::write(Fill fill) {
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // A broken file is written anew rather than kept broken: the toolkit would keep what it
    // made of the garbage, and the error it met reading it, for good.
    if (m_broken) {
        QFile::remove(m_path);
        m_file = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
    }
    fill(*m_file);
    m_file->sync();
    if (m_file->status() == QSettings::NoError) {
        m_broken = false;
        m_error.clear();
        return true;
    }
    const QFileInfo folder(QFileInfo(m_path).absolutePath());
    m_error = m_file->status() == QSettings::AccessError && !folder.isWritable()
                  ? QStringLiteral("в папку %1 нельзя писать").arg(folder.absoluteFilePath())
                  : QStringLiteral("файл %1 не удалось записать").arg(m_path);
    return false;
}
