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

    // The most lines and bytes a story may have, and the deepest jumps may nest.
    static constexpr int kMaxLineCount = 32767;
    static constexpr qint64 kMaxStoryBytes = 64 << 20;
    static constexpr int kMaxNestedRuns = 2000;
    // The most work one turn (or the load) may do: each command costs kCommandWork plus the
    // length of its parameters. The longest story, ten commands on each of its lines, run from
    // end to end costs about half of it; a turn that prints 100,000 lines, a sixth.
    static constexpr qint64 kMaxTurnWork = 100'000'000;
    static constexpr qint64 kCommandWork = 100;
    // The most messages to the author one turn (or the load) shows.
    static constexpr int kMaxTurnMessages = 1000;

private:
    // Script run loop and command splitting
    void ОбработкаФайла();
    void ОбработкаСтроки(int НомерСтроки);
    void ИсполнитьКомманду(QStringView Комманда);
    void RunCommands(QStringView text, QChar separator);
    static QStringView ВыделитьКоманду(QStringView строчка);
    static QStringView ВыдПараметры(QStringView Комманда1);

    // The dispatcher and the commands it runs itself
    void UseCom(QStringView Ком, QStringView Пар);
    void IgnoreCom(QStringView Пар);
    void PrintCom(QStringView Пар);
    void PrintLineCom(QStringView Пар);
    void ClsCom(QStringView Пар);
    void WarnUnknownCommand(QStringView Ком);

    // Jumps
    void GotoCom(QStringView Пар);
    void IndexLabels();

    // Variables and conditions
    void SetCom(QStringView Пар);
    void ConditionCom(QStringView Пар);
    bool SplitCondition(QStringView Пар, QStringView &condition, QStringView &thenPart,
                        QStringView &elsePart);
    enum class Outcome {
        Then,
        Else,
        ElseInAnotherRoom,
        Nothing
    };
    Outcome TestCondition(QStringView condition);
    void IfCom(QStringView Комманда);
    int VariableSlot(const QString &name);

    // Inline world commands
    void CarryCom(QStringView Пар);
    void UncarryCom(QStringView Пар);
    void PlusDownTextCom(QStringView Пар);
    void PlusFuncInvCom(QStringView Пар);
    void PlusFuncLocCom(QStringView Пар);
    void AddItemFunction(QStringView Пар, FunctionKind kind, const QString &command);
    template <typename Record>
    int AddFunction(Record &record, QStringView Пар, const QString &command);
    void MinusFuncCom(QStringView Пар);
    void ExitViewCom(QStringView Пар);
    void SetLookTextCom(QStringView Пар);
    void DoneCom(QStringView Пар);

    // World-building commands
    void Do_NewRoom(QStringView Пар);
    void Do_NewItem(QStringView Пар);
    void Do_PlusTitle(QStringView Пар);
    void Do_PlusText(QStringView Пар);
    void Do_PlusFunc(QStringView Пар);
    void Do_PlusItem(QStringView Пар);
    void Do_DeleteItem(QStringView Пар);
    void Do_ChRoom(QStringView Пар);
    void Do_SetRoom(QStringView Пар);

    // Functions of rooms and items, and the room description
    void FuncCom(QStringView body);
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
    void ReportBadCommand(const QString &what, QStringView parameter, const QString &required);
    void StartOuterRun();
    void StartTurnBudget();
    bool SpendWork(QStringView Пар);
    void Tell(const AuthorMessage &message);
    void StopTurn(const QString &what, QStringView parameter, const QString &required);

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
    qint64 m_turnWork = 0;    // what the commands of this turn have cost so far
    int m_turnMessages = 0;   // the messages to the author this turn has shown or dropped
};
