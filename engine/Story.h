#pragma once

#include "AuthorMessages.h"
#include "CommandTable.h"
#include "Console.h"
#include "RunLimits.h"
#include "Script.h"
#include "world/World.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

// One running story: its script, the script cursor, the world model and the player's last line.
// Everything the story prints goes to the Console; everything it has to tell the author goes to
// AuthorMessages. The procedures keep the names a story author knows from the documentation of
// the script language.
class Story {
public:
    Story(Console &console, AuthorMessages &messages);
    // A story that plays on from where this one stands, into the same console.
    Story(const Story &) = default;

    // Reads a story file and runs its script to the first waiting point. False when there was
    // no story to run; the author has been told why.
    bool LoadFile(const std::string &path, StoryEncoding encoding = StoryEncoding::Detect);
    // The same for a story already in memory, as the bytes of a file.
    bool LoadBytes(std::string_view bytes, std::u16string_view filename = {},
                   StoryEncoding encoding = StoryEncoding::Detect);
    // Runs a loaded script from its first line to its first waiting point.
    void Start(std::shared_ptr<const Script> script);
    // Tells the author why a story file could not be loaded.
    void ReportFileError(const StoryFileError &error, std::u16string_view filename);

    // One turn: the line the player typed and sent with Enter. False when the line was blank and
    // the press did nothing.
    bool Turn(std::u16string_view typedLine);
    // Whether the last turn ran away and was stopped.
    bool TurnStopped() const { return m_unwinding; }

    // Asked every kWorkBetweenChecks of a turn's work: false stops the turn as its work budget
    // would, for a player who will not wait for it to end.
    void SetInterruption(std::function<bool()> keepGoing) { m_keepGoing = std::move(keepGoing); }

    const World &world() const { return m_world; }
    const Script &script() const { return *m_script; }
    const std::vector<std::u16string> &LineTable() const { return m_script->lines; }
    int LineCount() const { return m_script->LineCount(); }
    // The line the run loop stands on: always a whole line index 0..LineCount.
    int ScriptCursor() const { return m_cursor; }
    // The "wait" line where the last run stopped, or -1 while no run has stopped at one.
    int LastWaitingPoint() const { return m_lastWait; }
    // The line where the command that sent the last message to the author is written (see
    // AuthorMessage::line), or 0 while none has been sent.
    int LastMessageLine() const { return m_lastMessageLine; }
    const std::u16string &InputLine() const { return m_inputLine; }
    const std::u16string &Word(int index) const { return m_words[std::size_t(index)]; }
    int WordCount() const { return m_wordCount; }

private:
    // Runs the command of that word.
    void RunCommand(ScriptCommand command, std::u16string_view Пар);

    // Script run loop and command splitting
    void ОбработкаФайла();
    void ОбработкаСтроки(int НомерСтроки);
    void ИсполнитьКомманду(std::u16string_view Комманда);
    void RunCommands(std::u16string_view text, char16_t separator);

    // The dispatcher and the commands it runs itself
    void UseCom(std::u16string_view Ком, std::u16string_view Пар);
    void IgnoreCom(std::u16string_view Пар);
    void PrintCom(std::u16string_view Пар);
    void PrintLineCom(std::u16string_view Пар);
    void ClsCom(std::u16string_view Пар);
    void WarnUnknownCommand(std::u16string_view Ком);

    // Jumps
    void GotoCom(std::u16string_view Пар);

    // Variables and conditions
    void SetCom(std::u16string_view Пар);
    void ConditionCom(std::u16string_view Пар);
    enum class Outcome {
        Then,
        Else,
        ElseInAnotherRoom,
        Nothing
    };
    Outcome TestCondition(std::u16string_view condition);
    void IfCom(std::u16string_view Комманда);
    int VariableSlot(std::u16string_view name);

    // Inline world commands
    void CarryCom(std::u16string_view Пар);
    void UncarryCom(std::u16string_view Пар);
    void PlusDownTextCom(std::u16string_view Пар);
    void PlusFuncInvCom(std::u16string_view Пар);
    void PlusFuncLocCom(std::u16string_view Пар);
    void AddItemFunction(std::u16string_view Пар, FunctionKind kind, std::u16string_view command);
    template <typename Record>
    int AddFunction(Record &record, std::u16string_view Пар, std::u16string_view command);
    void MinusFuncCom(std::u16string_view Пар);
    void ExitViewCom(std::u16string_view Пар);
    void SetLookTextCom(std::u16string_view Пар);
    void DoneCom(std::u16string_view Пар);

    // World-building commands
    void Do_NewRoom(std::u16string_view Пар);
    void Do_NewItem(std::u16string_view Пар);
    void Do_PlusTitle(std::u16string_view Пар);
    void Do_PlusText(std::u16string_view Пар);
    void Do_PlusFunc(std::u16string_view Пар);
    void Do_PlusItem(std::u16string_view Пар);
    void Do_DeleteItem(std::u16string_view Пар);
    void Do_ChRoom(std::u16string_view Пар);
    void Do_SetRoom(std::u16string_view Пар);

    // Functions of rooms and items, and the room description
    // `line`: where the body is written.
    void FuncCom(std::u16string_view body, int line);
    void LookCom(std::u16string_view word);
    void DescribeRoom();
    void PrintExits(const Room &room);
    void LookAtItem(std::u16string_view word);

    // The player's line
    void SplitWords();
    void ОбработкаСлов();
    void ListInventory();
    void ListVariables();
    void MatchPhrase(bool knownVerb);
    bool LineStartsWithPattern(std::u16string_view name, std::u16string_view title);
    bool ItemFunctionUsable(int item, FunctionKind kind) const;
    void ExplainNoMatch(bool knownVerb, bool itemRefuses);
    void ПопробоватьИдти(std::u16string_view Направление);

    // Printing, each character paid for
    void Print(std::u16string_view text);
    void PrintEnter();
    void PrintLine(std::u16string_view text);

    // Messages to the author, and the bound of a turn
    // The line where the command being run is written, counted from 1.
    int CommandLine() const { return m_commandLine > 0 ? m_commandLine : m_cursor + 1; }
    void ReportBadCommand(std::u16string_view what, std::u16string_view parameter,
                          std::u16string_view required);
    void StartOuterRun();
    void StartTurnBudget();
    bool Spend(Work work);
    void Tell(AuthorMessage message);
    void StopTurn(std::u16string_view what, std::u16string_view parameter,
                  std::u16string_view required);

    Console &m_console;
    AuthorMessages &m_messages;

    std::shared_ptr<const Script> m_script;
    int m_cursor = 0; // always a whole line index 0..LineCount
    int m_lastWait = -1;
    int m_commandLine = 0; // where the commands being run are written; 0: the cursor's line
    int m_lastMessageLine = 0;

    World m_world;

    std::u16string m_inputLine;
    std::array<std::u16string, 256> m_words; // entry 0 is never filled
    int m_wordCount = 0;

    int m_runDepth = 0;
    int m_commandDepth = 0;
    bool m_unwinding = false; // a runaway turn: every active run ends
    Work m_turnWork = 0;      // what this turn has cost so far; lookups add to it as they compare
    Work m_workLimit = kMaxTurnWork; // less once the player asked to stop the turn
    Work m_nextCheck = kWorkBetweenChecks;
    std::function<bool()> m_keepGoing;
    std::u16string_view m_parameter; // the parameters of the command being run, for a stop's box
};
