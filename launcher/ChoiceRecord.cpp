#include "ChoiceRecord.h"

#include "engine/Windows1251.h"
#include "ui/QtText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// A record holds one path; whatever a damaged record has beyond this is not looked at.
constexpr qint64 kLongestRecord = 64 * 1024;

qsizetype lineLength(QByteArrayView bytes) {
    qsizetype length = 0;
    while (length < bytes.size() && bytes[length] != '\r' && bytes[length] != '\n')
        ++length;
    return length;
}

} // namespace

ChoiceRecord::ChoiceRecord(QString path) : m_path(std::move(path)) {}

QString ChoiceRecord::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/special1.tmp");
}

bool ChoiceRecord::Read(QString &chosen) {
    chosen.clear();
    const QFileInfo info(m_path);
    if (!info.exists())
        return createEmpty();
    // A folder, a pipe or a device in the record's place never reads as one line, and a pipe
    // would keep the launcher waiting for a writer.
    if (!info.isFile()) {
        m_error = QStringLiteral("На месте записи лежит не обычный файл.");
        return false;
    }
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.read(kLongestRecord);
    if (file.error() != QFileDevice::NoError) {
        m_error = file.errorString();
        return false;
    }
    chosen = Parse(bytes);
    return true;
}

bool ChoiceRecord::createEmpty() {
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = file.errorString();
        return false;
    }
    return true;
}

bool ChoiceRecord::Write(const QString &chosen) {
    if (!CanHold(chosen)) {
        m_error = QStringLiteral("Путь к файлу содержит знаки, которые запись не может сохранить.");
        return false;
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Format(chosen)) < 0 || !file.commit()) {
        m_error = file.errorString();
        return false;
    }
    return true;
}

QByteArray ChoiceRecord::Format(const QString &chosen) {
    const std::string bytes = EncodeWindows1251(FromQString(chosen));
    return '"' + QByteArray(bytes.data(), qsizetype(bytes.size())) + "\"\r\n";
}

bool ChoiceRecord::CanHold(const QString &chosen) {
    return Parse(Format(chosen)) == chosen;
}

QString ChoiceRecord::Parse(QByteArrayView bytes) {
    while (bytes.startsWith(' '))
        bytes = bytes.sliced(1);
    QByteArrayView field;
    if (bytes.startsWith('"')) {
        bytes = bytes.sliced(1);
        const qsizetype closing = bytes.indexOf('"');
        // A damaged record without its closing quote still ends with its line.
        field = bytes.first(closing >= 0 ? closing : lineLength(bytes));
    } else {
        field = bytes.first(lineLength(bytes));
        const qsizetype comma = field.indexOf(',');
        if (comma >= 0)
            field = field.first(comma);
    }
    return ToQString(DecodeWindows1251(std::string_view(field.data(), std::size_t(field.size()))));
}
