#pragma once

#include <string_view>

// The script's commands, shared by the running story and the story checker.
enum class ScriptCommand {
    Rem,
    Wait,
    MinusFunc,
    UncarryItem,
    Goto,
    PlusFuncInv,
    PlusFuncLoc,
    Set,
    If,
    CarryItem,
    Cls,
    Item,
    Room,
    PlusFunc,
    Print,
    PrintLine,
    ChangeRoom,
    PlusDownText,
    SetRoom,
    DeleteItem,
    ExitView,
    SetLookText,
    PlusTitle,
    PlusText,
    PlusItem,
    Done
};

struct CommandWord {
    std::u16string_view word;
    ScriptCommand command;
};

// Every command's word, in the order the dispatcher tests them: the first that matches runs.
inline constexpr CommandWord kCommandWords[] = {
    {u"rem", ScriptCommand::Rem},
    {u"wait", ScriptCommand::Wait},
    {u"-func", ScriptCommand::MinusFunc},
    {u"--item", ScriptCommand::UncarryItem},
    {u"goto", ScriptCommand::Goto},
    {u"+func_inv", ScriptCommand::PlusFuncInv},
    {u"+func_loc", ScriptCommand::PlusFuncLoc},
    {u"set", ScriptCommand::Set},
    {u"if", ScriptCommand::If},
    {u"++item", ScriptCommand::CarryItem},
    {u"cls", ScriptCommand::Cls},
    {u"item", ScriptCommand::Item},
    {u"room", ScriptCommand::Room},
    {u"+func", ScriptCommand::PlusFunc},
    {u"p", ScriptCommand::Print},
    {u"pn", ScriptCommand::PrintLine},
    {u"changeroom", ScriptCommand::ChangeRoom},
    {u"+downtext", ScriptCommand::PlusDownText},
    {u"setroom", ScriptCommand::SetRoom},
    {u"deleteitem", ScriptCommand::DeleteItem},
    {u"exitview", ScriptCommand::ExitView},
    {u"setlooktext", ScriptCommand::SetLookText},
    {u"+title", ScriptCommand::PlusTitle},
    {u"+text", ScriptCommand::PlusText},
    {u"+item", ScriptCommand::PlusItem},
    {u"done", ScriptCommand::Done},
};

// The command of that (lower-cased) word, or none.
constexpr const CommandWord *FindCommand(std::u16string_view word) {
    for (const CommandWord &command : kCommandWords)
        if (word == command.word)
            return &command;
    return nullptr;
}
