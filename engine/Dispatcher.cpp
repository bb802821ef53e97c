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

void Story::RunCommand(ScriptCommand command, std::u16string_view Пар) {
    switch (command) {
    case ScriptCommand::Rem:
        return IgnoreCom(Пар);
    case ScriptCommand::Wait:
        return IgnoreCom(Пар);
    case ScriptCommand::MinusFunc:
        return MinusFuncCom(Пар);
    case ScriptCommand::UncarryItem:
        return UncarryCom(Пар);
    case ScriptCommand::Goto:
        return GotoCom(Пар);
    case ScriptCommand::PlusFuncInv:
        return PlusFuncInvCom(Пар);
    case ScriptCommand::PlusFuncLoc:
        return PlusFuncLocCom(Пар);
    case ScriptCommand::Set:
        return SetCom(Пар);
    case ScriptCommand::If:
        return ConditionCom(Пар);
    case ScriptCommand::CarryItem:
        return CarryCom(Пар);
    case ScriptCommand::Cls:
        return ClsCom(Пар);
    case ScriptCommand::Item:
        return Do_NewItem(Пар);
    case ScriptCommand::Room:
        return Do_NewRoom(Пар);
    case ScriptCommand::PlusFunc:
        return Do_PlusFunc(Пар);
    case ScriptCommand::Print:
        return PrintCom(Пар);
    case ScriptCommand::PrintLine:
        return PrintLineCom(Пар);
    case ScriptCommand::ChangeRoom:
        return Do_ChRoom(Пар);
    case ScriptCommand::PlusDownText:
        return PlusDownTextCom(Пар);
    case ScriptCommand::SetRoom:
        return Do_SetRoom(Пар);
    case ScriptCommand::DeleteItem:
        return Do_DeleteItem(Пар);
    case ScriptCommand::ExitView:
        return ExitViewCom(Пар);
    case ScriptCommand::SetLookText:
        return SetLookTextCom(Пар);
    case ScriptCommand::PlusTitle:
        return Do_PlusTitle(Пар);
    case ScriptCommand::PlusText:
        return Do_PlusText(Пар);
    case ScriptCommand::PlusItem:
        return Do_PlusItem(Пар);
    case ScriptCommand::Done:
        return DoneCom(Пар);
    }
}

// Runs one command. The word arrives lower-cased; the parameters exactly as written.
void Story::UseCom(std::u16string_view Ком, std::u16string_view Пар) {
    if (m_commandDepth >= kMaxNestedCommands) {
        StopTurn(u"Слишком глубокая вложенность условий.", Пар,
                 u"не более " + DecimalText(kMaxNestedCommands) + u" вложенных комманд");
        return;
    }
    const ParameterGuard running(m_parameter, Пар);
    if (!Spend(kCommandWork + Ком.size() + Пар.size()))
        return;
    DepthGuard nested(m_commandDepth);
    if (const CommandWord *command = FindCommand(Ком))
        RunCommand(command->command, Пар);
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
