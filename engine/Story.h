#pragma once

#include "AuthorMessages.h"
#include "Console.h"
#include "world/World.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>

// One running story: its lines, the script cursor, the world model and the player's last line.
// Everything the story prints goes to the Console; everything it has to tell the author goes to
// AuthorMessages. The procedures keep the names a story author knows from the documentation of
// the script language.
class Story {
public:
    Story(Console &console, AuthorMessages &messages);

    // Reads a story file and runs its script to the first waiting point. False when there was
    // no story to run; the author has been told why.
    bool LoadFile(const QString &filename);
    // The same for a story already in memory, as the bytes of a file.
    bool LoadBytes(const QByteArray &bytes, const QString &filename = QString());

    // One turn: the line the player typed and sent with Enter.
    void Turn(const QString &typedLine);

    const World &world() const { return m_world; }
    const QStringList &LineTable() const { return m_lines; }
    int LineCount() const { return m_lineCount; }
    int ScriptCursor() const { return m_cursor; }
    const QString &InputLine() const { return m_inputLine; }
    const QString &Word(int index) const { return m_words[index]; }
    int WordCount() const { return m_wordCount; }

    // The most lines a story may have, and the deepest jumps may nest.
    static constexpr int kMaxLineCount = 32767;
    static constexpr int kMaxNestedRuns = 2000;

private:
    // Script run loop and command splitting
    void ОбработкаФайла();
    void ОбработкаСтроки(int НомерСтроки);
    void ИсполнитьКомманду(const QString &Комманда);
    void RunCommands(const QString &text, QChar separator);
    static QString ВыделитьКоманду(const QString &строчка);
    static QString ВыдПараметры(const QString &Комманда1);

    // The dispatcher and the commands it runs itself
    void UseCom(const QString &Ком, const QString &Пар);
    void IgnoreCom(const QString &Пар);
    void PrintCom(const QString &Пар);
    void PrintLineCom(const QString &Пар);
    void ClsCom(const QString &Пар);
    void WarnUnknownCommand(const QString &Ком);

    // Jumps
    void GotoCom(const QString &Пар);
    void IndexLabels();

    // Variables and conditions
    void SetCom(const QString &Пар);
    void ConditionCom(const QString &Пар);
    void IfCom(const QString &Комманда);
    int VariableSlot(const QString &name);

    // Inline world commands
    void CarryCom(const QString &Пар);
    void UncarryCom(const QString &Пар);
    void PlusDownTextCom(const QString &Пар);
    void PlusFuncInvCom(const QString &Пар);
    void PlusFuncLocCom(const QString &Пар);
    void AddItemFunction(const QString &Пар, FunctionKind kind, const QString &command);
    void MinusFuncCom(const QString &Пар);
    void ExitViewCom(const QString &Пар);
    void SetLookTextCom(const QString &Пар);
    void DoneCom(const QString &Пар);

    // World-building commands
    void Do_NewRoom(const QString &Пар);
    void Do_NewItem(const QString &Пар);
    void Do_PlusTitle(const QString &Пар);
    void Do_PlusText(const QString &Пар);
    void Do_PlusFunc(const QString &Пар);
    void Do_PlusItem(const QString &Пар);
    void Do_DeleteItem(const QString &Пар);
    void Do_ChRoom(const QString &Пар);
    void Do_SetRoom(const QString &Пар);

    // Functions of rooms and items, and the room description
    void FuncCom(const QString &body);
    void LookCom(const QString &word);
    void DescribeRoom();
    void PrintExits(const Room &room);
    void LookAtItem(const QString &word);

    // The player's line
    void SplitWords();
    void ОбработкаСлов();
    void ListInventory();
    void ListVariables();
    void MatchPhrase(bool knownVerb);
    bool ItemFunctionUsable(int item, FunctionKind kind) const;
    void ExplainNoMatch(bool knownVerb, bool itemRefuses);
    void ПопробоватьИдти(const QString &Направление);

    void PrintLine(const QString &text);

    // Messages to the author
    void ReportBadCommand(const QString &what, const QString &parameter, const QString &required);
    void StartOuterRun();

    Console &m_console;
    AuthorMessages &m_messages;

    QStringList m_lines; // LineCount + 1 entries; the last one is always empty
    int m_lineCount = 0;
    int m_cursor = 0;             // always a whole line index 0..LineCount
    QHash<QString, int> m_labels; // lower-cased label line -> its last index

    World m_world;

    QString m_inputLine;
    std::array<QString, 256> m_words; // entry 0 is never filled
    int m_wordCount = 0;

    int m_runDepth = 0;
    int m_commandDepth = 0;
    bool m_unwinding = false; // a runaway jump chain: every active run ends
};
