#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The story the player chose last, remembered between runs: one line, the full path in double
// quotes followed by CR LF, in Windows-1251 like the stories; "" for no choice. The record is
// opened, read or written, and closed at once, and replaced whole, so that a crash never leaves
// half a record behind.
class ChoiceRecord {
public:
    // Tests give a record of their own; the program uses DefaultPath.
    explicit ChoiceRecord(QString path);

    // special1.tmp in the user's configuration folder for this program.
    static QString DefaultPath();
    const QString &path() const { return m_path; }

    // The remembered choice, empty for none. A missing record is created empty. False when the
    // record could not be read or created; ErrorString says why.
    bool Read(QString &chosen);
    // False when the choice could not be remembered; ErrorString says why.
    bool Write(const QString &chosen);
    const QString &ErrorString() const { return m_error; }

    static QByteArray Format(const QString &chosen);
    // The first field of the record: after leading spaces, the text between a double quote and
    // the next one (or the line's end, in a record cut short), or without quotes the text up to
    // the first comma or line end.
    static QString Parse(QByteArrayView bytes);
    // Whether the record can hold this path and give it back unchanged.
    static bool CanHold(const QString &chosen);

private:
    bool createEmpty();

    QString m_path;
    QString m_error;
};
