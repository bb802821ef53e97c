#include "Story.h"
#include "Windows1251.h"

#include <QFile>
#include <QFileInfo>

namespace {

AuthorMessage storyFileError(const QString &what, const QString &filename, const QString &detail) {
    const QChar cr(u'\r');
    QString text = what + cr + QStringLiteral("Файл:") + filename;
    if (!detail.isEmpty())
        text += cr + detail;
    return {QStringLiteral("Ошибка!"), text, MessageIcon::Error};
}

} // namespace

// Opening for reading never creates the file: a mistyped path must not leave an empty story.
// Only a plain file of a sane size is read, so that a pipe, a device or a runaway file can
// neither stall the program nor exhaust its memory.
bool Story::LoadFile(const QString &filename) {
    const QFileInfo info(filename);
    if (!info.exists()) {
        Tell(storyFileError(QStringLiteral("Файл истории не найден."), filename, {}));
        return false;
    }
    const QString unreadable = QStringLiteral("Файл истории не удалось прочитать.");
    if (!info.isFile()) {
        Tell(storyFileError(unreadable, filename, QStringLiteral("Это не файл.")));
        return false;
    }
    if (info.size() > kMaxStoryBytes) {
        Tell(
            storyFileError(QStringLiteral("Файл истории слишком велик."), filename,
                           QStringLiteral("Допустимо не более %1 МиБ.").arg(kMaxStoryBytes >> 20)));
        return false;
    }
    QFile file(filename);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        Tell(storyFileError(unreadable, filename, file.errorString()));
        return false;
    }
    return LoadBytes(bytes, filename);
}

// CR ends a line, LF is dropped wherever it stands, every other byte is one character of the
// line. The table gets one more, empty, entry so that a label search over 0..LineCount stays
// inside it.
bool Story::LoadBytes(const QByteArray &bytes, const QString &filename) {
    const qsizetype crCount = bytes.count('\r');
    if (crCount >= kMaxLineCount) {
        Tell(storyFileError(QStringLiteral("В файле истории слишком много строк."), filename,
                            QStringLiteral("Строк: %1, допустимо не более %2.")
                                .arg(crCount + 1)
                                .arg(kMaxLineCount)));
        return false;
    }
    QString text = DecodeWindows1251(bytes);
    text.remove(u'\n');
    m_lines = text.split(u'\r');
    m_lineCount = int(m_lines.size());
    m_lines.append(QString());
    IndexLabels();
    m_cursor = 0;
    StartOuterRun();
    return true;
}
