#pragma once

#include "AuthorMessages.h"
#include "CommandTable.h"
#include "Console.h"
#include "RunLimits.h"
#include "Script.h"
#include "StoryPort.h"
#include "WorldCommands.h"
#include "world/World.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Where the run loop stands in the script.
struct RunPosition {
    int cursor = 0;          // the line it stands on: always a whole line index 0..LineCount
    int lastWait = -1;       // the "wait" line where the last run stopped; -1 while none has
    int commandLine = 0;     // where the commands being run are written; 0: the cursor's line
    int lastMessageLine = 0; // where the command of the last message to the author is written
                             // (see AuthorMessage::line); 0 while none has been sent
};

// One level of what a story is running: a run of lines, the commands of a text, or a command
// whose jump or condition is still under way. The levels are kept in a list of their own rather
// than on the machine's stack, so a story may nest as deep as its limits allow wherever it is
// played (a worker in a web browser has far less stack than a desktop program).
struct Nest {
    enum class Kind {
        Run,      // lines from the cursor to the next waiting point
        Commands, // the commands of a text, one after another
        Command,  // a command, until the run or commands it started have ended
        Trace,    // tells the author "n0!" once an else part run in another room has ended
        Line      // puts back where the commands being run are written
    };
    Kind kind = Kind::Run;
    std::u16string_view text = {}; // Commands: what is left to cut; Command: the outer parameters
    char16_t separator = 0;        // Commands: what stands between them
    bool underWay = false;         // Run: a line's commands; Commands: a command
    bool last = false;             // Commands: the command under way is the last
    int line = 0;                  // Run, Line: the line to put back when it ends
};

// What the turn (or the opening) has spent of its work, and whether it is being stopped.
struct TurnBudget {
    bool unwinding = false;    // a runaway turn: every active run ends
    Work spent = 0;            // lookups add to it as they compare
    Work limit = kMaxTurnWork; // less once the player asked to stop the turn
    Work nextCheck = kWorkBetweenChecks;
};

// One running story: its script, the run loop and every script command, and the world model.
// Everything the story prints goes to the Console; everything it has to tell the author goes to
// AuthorMessages. The player's words reach it through the StoryPort. The procedures keep the
// names a story author knows from the documentation of the script language.
class Story final : public StoryPort, private CommandFaults {
public:
    Story(Console &console, AuthorMessages &messages);
    // A story that plays on from where this one stands, into the same console.
    Story(const Story &) = default;

    // Reads a story from the bytes of its file and runs its script to the first waiting point.
    // False when there was no story to run; the author has been told why.
    bool LoadBytes(std::string_view bytes, std::u16string_view filename = {},
                   StoryEncoding encoding = StoryEncoding::Detect);
    // Runs a loaded script from its first line to its first waiting point.
    void Start(std::shared_ptr<const Script> script);

    // Asked every kWorkBetweenChecks of a turn's work: false stops the turn as its work budget
    // would, for a player who will not wait for it to end.
    void SetInterruption(std::function<bool()> keepGoing) { m_keepGoing = std::move(keepGoing); }

    const Script &script() const { return *m_script; }
    const RunPosition &Position() const { return m_run; }

    // The player's side
    const World &world() const override { return m_world; }
    Console &console() override { return m_console; }
    void StartTurn() override { m_budget = {}; }
    bool Spend(Work work) override;
    Work &TurnWork() override { return m_budget.spent; }
    bool TurnStopped() const override { return m_budget.unwinding; }
    void Print(std::u16string_view text) override;
    void PrintEnter() override;
    void DescribeRoom() override;
    void RunBody(std::u16string_view body, int line) override;

private:
    // The run loop and command splitting
    void ОбработкаФайла();
    void RunCommands(std::u16string_view text, char16_t separator);
    void Drive(std::size_t floor);
    void StepRun(Nest &run);
    void StepCommands(Nest &commands);
    void EndCommand(const Nest &command);

    // The dispatcher and the commands that run, print or jump
    void UseCom(std::u16string_view Ком, std::u16string_view Пар);
    void RunCommand(ScriptCommand command, std::u16string_view Пар);
    WorldCommands worldCommands() { return {m_world, m_budget.spent, CommandLine(), *this}; }
    void WarnUnknownCommand(std::u16string_view Ком);
    void GotoCom(std::u16string_view Пар);
    void ConditionCom(std::u16string_view Пар);
    void IfCom(std::u16string_view Комманда);
    void Do_SetRoom(std::u16string_view Пар);
    void PrintExits(const Room &room);

    // Messages to the author, and the bound of a turn
    // The line where the command being run is written, counted from 1.
    int CommandLine() const { return m_run.commandLine > 0 ? m_run.commandLine : m_run.cursor + 1; }
    void ReportBadCommand(std::u16string_view what, std::u16string_view parameter,
                          std::u16string_view required) override;
    AuthorMessage BadCommandMessage(std::u16string_view what, std::u16string_view parameter,
                                    std::u16string_view required) const;
    void Tell(AuthorMessage message);
    void StopTurn(std::u16string_view what, std::u16string_view parameter,
                  std::u16string_view required);

    Console &m_console;
    AuthorMessages &m_messages;

    std::shared_ptr<const Script> m_script;
    RunPosition m_run;
    World m_world;

    std::vector<Nest> m_nests; // the levels under way, the innermost last
    int m_runDepth = 0;        // how many of them are runs
    int m_commandDepth = 0;    // and how many commands
    TurnBudget m_budget;
    std::function<bool()> m_keepGoing;
    std::u16string_view m_parameter; // the parameters of the command being run, for a stop's box
};
