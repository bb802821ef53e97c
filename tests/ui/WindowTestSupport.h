#pragma once

#include "engine/Windows1251.h"
#include "qt/MessagePresenter.h"
#include "qt/QtText.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

// Answers every box at once, remembering each message; a question gets `answer`.
class RecordingPresenter : public MessagePresenter {
public:
    bool Ask(QWidget *parent, const AuthorMessage &question) override {
        Present(parent, question);
        return answer;
    }
    int Choose(QWidget *parent, const AuthorMessage &question, const QStringList &) override {
        Present(parent, question);
        return choice;
    }
    void Present(QWidget *, const AuthorMessage &message) override { messages.append(message); }

    QList<AuthorMessage> messages;
    bool answer = true;
    int choice = 0;
};

// Writes the bytes over the file, as a crash or another program might leave it.
inline bool overwrite(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A story file made from lines: Windows-1251, CR LF, in a folder that goes with the test.
class StoryFolder {
public:
    QString write(const QString &name, const QStringList &lines) {
        const std::string bytes = EncodeWindows1251(FromQString(lines.join(u"\r\n")));
        overwrite(m_folder.filePath(name), QByteArray::fromStdString(bytes));
        return m_folder.filePath(name);
    }
    QString path(const QString &name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder;
};

// The bytes of a file, or "(unreadable)".
inline QByteArray contents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// While it lasts, no file grows past one byte, as if the disk had just filled up.
struct FullDisk {
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &before);
        signal(SIGXFSZ, SIG_IGN);
        const rlimit full{1, before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &before); }

    rlimit before{};
};

// Types a text key by key, as a player would; any letters, Cyrillic ones included.
inline void typeText(QWidget *widget, const QString &text) {
    for (QChar letter : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(letter.toUpper().unicode()),
                            QString(letter), Qt::NoModifier);
}

// The first control of that objectName, or a test failure that names it.
template <typename Control> Control *control(const QWidget &window, const char *name) {
    auto *found = window.findChild<Control *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s in %s", name, qPrintable(window.objectName()));
    return found;
}
