#include "DepthGuard.h"
#include "Story.h"

namespace {

// Branches of conditions inside branches nest commands without a jump, and every jump is itself
// a command, so this bounds all nesting. A level takes up to 2.5 KiB of stack in the unoptimised
// sanitizer build, so the deepest nesting stays within 5 MiB of the 8 MiB main thread.
constexpr int kMaxNestedCommands = Story::kMaxNestedRuns;

} // namespace

// Runs one command. The word arrives lower-cased; the parameters exactly as written. The words
// are tested in this order and the first that matches runs.
void Story::UseCom(QStringView Ком, QStringView Пар) {
    struct Command {
        QStringView word;
        void (Story::*run)(QStringView Пар);
    };
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

    if (m_commandDepth >= kMaxNestedCommands) {
        StopTurn(QStringLiteral("Слишком глубокая вложенность условий."), Пар,
                 QStringLiteral("не более %1 вложенных комманд").arg(kMaxNestedCommands));
        return;
    }
    if (!SpendWork(Пар))
        return;
    DepthGuard nested(m_commandDepth);
    for (const Command &command : commands) {
        if (Ком == command.word) {
            (this->*command.run)(Пар);
            return;
        }
    }
    // An empty word is an empty line or a command that begins with a space: passed in silence.
    if (!Ком.isEmpty())
        WarnUnknownCommand(Ком);
}

// rem anything; wait anything
void Story::IgnoreCom(QStringView) {}

// p text: printed as it stands, the line goes on
void Story::PrintCom(QStringView Пар) {
    m_console.AddText(Пар.toString());
}

// pn text: printed, and the line ends
void Story::PrintLineCom(QStringView Пар) {
    PrintLine(Пар.toString());
}

void Story::PrintLine(const QString &text) {
    m_console.AddText(text);
    m_console.Enter();
}

// cls
void Story::ClsCom(QStringView) {
    m_console.ClearText();
}

void Story::WarnUnknownCommand(QStringView Ком) {
    const QChar cr(u'\r');
    const QString text = QStringLiteral("Внимание! Неизвестная комманда (") + Ком.toString() +
                         u')' + cr + QStringLiteral("Строка файла: ") +
                         QString::number(m_cursor + 1) + cr +
                         QStringLiteral("Предупреждать об это в дальнейшем?");
    Tell({QStringLiteral("Внимание!"), text, MessageIcon::Error});
}
