#include "Story.h"
#include "Text.h"

#include <utility>

void Story::RunCommand(ScriptCommand command, std::u16string_view Пар) {
    WorldCommands world = worldCommands();
    switch (command) {
    case ScriptCommand::Rem:  // rem anything
    case ScriptCommand::Wait: // wait anything
        return;
    case ScriptCommand::MinusFunc:
        return world.MinusFuncCom(Пар);
    case ScriptCommand::UncarryItem:
        return world.UncarryCom(Пар);
    case ScriptCommand::Goto:
        return GotoCom(Пар);
    case ScriptCommand::PlusFuncInv:
        return world.PlusFuncInvCom(Пар);
    case ScriptCommand::PlusFuncLoc:
        return world.PlusFuncLocCom(Пар);
    case ScriptCommand::Set:
        return world.SetCom(Пар);
    case ScriptCommand::If:
        return ConditionCom(Пар);
    case ScriptCommand::CarryItem:
        return world.CarryCom(Пар);
    case ScriptCommand::Cls:
        return m_console.ClearText();
    case ScriptCommand::Item:
        return world.Do_NewItem(Пар);
    case ScriptCommand::Room:
        return world.Do_NewRoom(Пар);
    case ScriptCommand::PlusFunc:
        return world.Do_PlusFunc(Пар);
    case ScriptCommand::Print:
        return Print(Пар); // p text: printed as it stands, the line goes on
    case ScriptCommand::PrintLine:
        return PrintLine(Пар); // pn text: printed, and the line ends
    case ScriptCommand::ChangeRoom:
        return world.Do_ChRoom(Пар);
    case ScriptCommand::PlusDownText:
        return world.PlusDownTextCom(Пар);
    case ScriptCommand::SetRoom:
        return Do_SetRoom(Пар);
    case ScriptCommand::DeleteItem:
        return world.Do_DeleteItem(Пар);
    case ScriptCommand::ExitView:
        return world.ExitViewCom(Пар);
    case ScriptCommand::SetLookText:
        return world.SetLookTextCom(Пар);
    case ScriptCommand::PlusTitle:
        return world.Do_PlusTitle(Пар);
    case ScriptCommand::PlusText:
        return world.Do_PlusText(Пар);
    case ScriptCommand::PlusItem:
        return world.Do_PlusItem(Пар);
    case ScriptCommand::Done:
        return world.DoneCom(Пар);
    }
}

// Runs one command. The word arrives lower-cased; the parameters exactly as written. A jump or a
// condition leaves a run or commands to go on inside the command; it ends after them.
void Story::UseCom(std::u16string_view Ком, std::u16string_view Пар) {
    if (m_commandDepth >= kMaxNestedCommands) {
        StopTurn(u"Слишком глубокая вложенность условий.", Пар,
                 u"не более " + DecimalText(kMaxNestedCommands) + u" вложенных комманд");
        return;
    }
    const std::u16string_view outer = std::exchange(m_parameter, Пар);
    if (!Spend(kCommandWork + Ком.size() + Пар.size())) {
        m_parameter = outer;
        return;
    }
    ++m_commandDepth;
    m_nests.push_back({.kind = Nest::Kind::Command, .text = outer});
    if (const CommandWord *command = FindCommand(Ком))
        RunCommand(command->command, Пар);
    else if (!Ком.empty()) // an empty line, or a command that begins with a space: silence
        WarnUnknownCommand(Ком);
}

// Puts back the parameters of the command that was running before this one.
void Story::EndCommand(const Nest &command) {
    m_parameter = command.text;
    --m_commandDepth;
    m_nests.pop_back();
}

void Story::WarnUnknownCommand(std::u16string_view Ком) {
    std::u16string text = u"Внимание! Неизвестная комманда (";
    text += Ком;
    text += u")\rСтрока файла: " + DecimalText(m_run.cursor + 1) +
            u"\rПредупреждать об это в дальнейшем?";
    Tell({u"Внимание!", std::move(text), MessageIcon::Error, MessageKind::UnknownCommand,
          CommandLine()});
}
