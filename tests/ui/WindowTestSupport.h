#pragma once

#include "engine/Windows1251.h"
#include "ui/MessagePresenter.h"
#include "ui/QtText.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

// Answers every box at once, remembering each message and what the console showed behind it;
// a question gets `answer`.
class RecordingPresenter : public MessagePresenter {
public:
    bool Ask(QWidget *parent, const AuthorMessage &question) override {
        Present(parent, question);
        return answer;
    }

    void Present(QWidget *parent, const AuthorMessage &message) override {
        messages.append(message);
        const auto *output =
            parent ? parent->findChild<QPlainTextEdit *>(QStringLiteral("Output")) : nullptr;
        consoleBehindBox.append(output ? output->toPlainText() : QString());
    }

    QList<AuthorMessage> messages;
    QStringList consoleBehindBox;
    bool answer = true;
};

// A story file made from lines: Windows-1251, CR LF, in a folder that goes with the test.
class StoryFolder {
public:
    QString write(const QString &name, const QStringList &lines) {
        const QString path = m_folder.filePath(name);
        QFile file(path);
        const std::string bytes = EncodeWindows1251(FromQString(lines.join(u"\r\n")));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes.data(), qint64(bytes.size()));
        return path;
    }
    QString path(const QString &name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder;
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
