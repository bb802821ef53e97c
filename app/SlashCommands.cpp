#include "SlashCommands.h"

#include "CtrlC.h"
#include "TerminalConsole.h"
#include "engine/Text.h"
#include "io/Files.h"
#include "game/Game.h"
#include "player/HowToPlay.h"

namespace {

constexpr std::u16string_view kHelp[] = {
    u"/save ФАЙЛ     сохранить игру в файл",
    u"/restore ФАЙЛ  восстановить игру из файла",
    u"/undo          отменить ход",
    u"/redo          вернуть отменённый ход",
    u"/restart       начать историю заново (/undo отменит это)",
    u"/help          эти строки",
    u"//текст        сыграть ход «/текст»",
};

void tell(TerminalConsole &terminal, const ReplayResult &result) {
    if (!result.done)
        terminal.Notice(result.error);
    else if (const std::u16string note = DescribeReplay(result); !note.empty())
        terminal.Notice(note);
}

void save(std::u16string_view file, Game &game, TerminalConsole &terminal) {
    std::string error;
    if (WriteFileAtomically(ToUtf8(file), game.SaveText(), error))
        terminal.Notice(u"игра сохранена в " + std::u16string(file));
    else
        terminal.Notice(u"игра не сохранена в " + std::u16string(file) + u": " + FromUtf8(error));
}

void restore(std::u16string_view file, Game &game, TerminalConsole &terminal) {
    std::string text, error;
    if (!ReadFileAtMost(ToUtf8(file), kLargestSave, text, error)) {
        terminal.Notice(u"игра не восстановлена из " + std::u16string(file) + u": " +
                        FromUtf8(error));
        return;
    }
    ReplayResult result;
    {
        const CtrlCStops ctrlC;
        result =
            game.Restore(text, [](std::size_t, std::size_t) { return !CtrlCStops::Pressed(); });
    }
    if (result.cancelled) {
        terminal.Notice(u"восстановление прервано: игра осталась как была");
        return;
    }
    if (!result.done) {
        terminal.Notice(u"игра не восстановлена из " + std::u16string(file) + u": " + result.error);
        return;
    }
    terminal.Notice(u"игра восстановлена из " + std::u16string(file));
    tell(terminal, result);
}

} // namespace

bool RunSlashCommand(std::u16string_view line, Game &game, TerminalConsole &terminal,
                     std::u16string_view &turn) {
    turn = line;
    if (!line.starts_with(u'/'))
        return false;
    if (line.starts_with(u"//")) {
        turn = line.substr(1);
        return false;
    }
    const std::size_t space = line.find(u' ');
    const std::u16string_view word = line.substr(0, space);
    const std::u16string_view argument =
        space == std::u16string_view::npos ? std::u16string_view() : line.substr(space + 1);
    const bool needsFile = word == u"/save" || word == u"/restore";
    if (needsFile && argument.empty())
        terminal.Notice(std::u16string(word) + u": нужно имя файла");
    else if (!needsFile && !argument.empty() &&
             (word == u"/undo" || word == u"/redo" || word == u"/restart" || word == u"/help"))
        terminal.Notice(std::u16string(word) + u" не принимает параметров");
    else if (word == u"/save")
        save(argument, game, terminal);
    else if (word == u"/restore")
        restore(argument, game, terminal);
    else if (word == u"/undo")
        tell(terminal, game.Undo());
    else if (word == u"/redo")
        tell(terminal, game.Redo());
    else if (word == u"/restart")
        game.Restart();
    else if (word == u"/help") {
        for (std::u16string_view help : kHelp)
            terminal.Notice(help);
        terminal.Explain(u"\nКак играть\n\n" + HowToPlayText() + u"\n");
    }
    else
        terminal.Notice(u"неизвестная команда " + std::u16string(word) +
                        u"; /help перечисляет команды");
    return true;
}
