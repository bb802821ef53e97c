#include "DepthGuard.h"
#include "Story.h"
#include "Text.h"

namespace {

// Puts back the parameters of the command that was running before this one.
class ParameterGuard {
public:
    ParameterGuard(std::u16string_view &current, std::u16string_view parameter)
        : m_current(current), m_outer(current) {
        m_current = parameter;
    }
    ~ParameterGuard() { m_current = m_outer; }
    ParameterGuard(const ParameterGuard &) = delete;
    ParameterGuard &operator=(const ParameterGuard &) = delete;

private:
    std::u16string_view &m_current;
    std::u16string_view m_outer;
};

} // namespace

// The script's commands, in the order the dispatcher tests them: the first that matches runs.
std::span<const Story::Command> Story::Commands() {
    static const Command commands[] = {
        {u"rem", &Story::IgnoreCom},
        {u"wait", &Story::IgnoreCom}, // a whole line "wait" is the run loop's business
        {u"-func", &Story::MinusFuncCom},
        {u"--item", &Story::UncarryCom},
        {u"goto", &Story::GotoCom},
        {u"+func_inv", &Story::PlusFuncInvCom},
        {u"+func_loc", &Story::PlusFuncLocCom},
        {u"set", &Story::SetCom},
        {u"if", &Story::ConditionCom},
        {u"++item", &Story::CarryCom},
        {u"cls", &Story::ClsCom},
        {u"item", &Story::Do_NewItem},
        {u"room", &Story::Do_NewRoom},
        {u"+func", &Story::Do_PlusFunc},
        {u"p", &Story::PrintCom},
        {u"pn", &Story::PrintLineCom},
        {u"changeroom", &Story::Do_ChRoom},
        {u"+downtext", &Story::PlusDownTextCom},
        {u"setroom", &Story::Do_SetRoom},
        {u"deleteitem", &Story::Do_DeleteItem},
        {u"exitview", &Story::ExitViewCom},
        {u"setlooktext", &Story::SetLookTextCom},
        {u"+title", &Story::Do_PlusTitle},
        {u"+text", &Story::Do_PlusText},
        {u"+item", &Story::Do_PlusItem},
        {u"done", &Story::DoneCom},
    };
    return commands;
}

const Story::Command *Story::FindCommand(std::u16string_view word) {
    for (const Command &command : Commands())
        if (word == command.word)
            return &command;
    return nullptr;
}

// Runs one command. The word arrives lower-cased; the parameters exactly as written.
void Story::UseCom(std::u16string_view Ком, std::u16string_view Пар) {
    if (m_commandDepth >= Story::kMaxNestedCommands) {
        StopTurn(u"Слишком глубокая вложенность условий.", Пар,
                 u"не более " + DecimalText(Story::kMaxNestedCommands) + u" вложенных комманд");
        return;
    }
    const ParameterGuard running(m_parameter, Пар);
    if (!Spend(kCommandWork + Ком.size() + Пар.size()))
        return;
    DepthGuard nested(m_commandDepth);
    if (const Command *command = FindCommand(Ком))
        (this->*command->run)(Пар);
    else if (!Ком.empty()) // an empty line, or a command that begins with a space: silence
        WarnUnknownCommand(Ком);
}

// rem anything; wait anything
void Story::IgnoreCom(std::u16string_view) {}

// p text: printed as it stands, the line goes on
void Story::PrintCom(std::u16string_view Пар) {
    Print(Пар);
}

// pn text: printed, and the line ends
void Story::PrintLineCom(std::u16string_view Пар) {
    PrintLine(Пар);
}

// cls
void Story::ClsCom(std::u16string_view) {
    m_console.ClearText();
}

void Story::WarnUnknownCommand(std::u16string_view Ком) {
    std::u16string text = u"Внимание! Неизвестная комманда (";
    text += Ком;
    text +=
        u")\rСтрока файла: " + DecimalText(m_cursor + 1) + u"\rПредупреждать об это в дальнейшем?";
    Tell({u"Внимание!", std::move(text), MessageIcon::Error, MessageKind::UnknownCommand,
          CommandLine()});
}
