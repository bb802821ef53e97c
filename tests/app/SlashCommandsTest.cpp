// The player's "/" commands in the terminal.

#include "app/SlashCommands.h"
#include "app/TerminalConsole.h"
#include "engine/Text.h"
#include "io/Files.h"
#include "game/Game.h"
#include "support/StoryHarness.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace {

// Ctrl+C during a slow /restore stops it, and the game stays as it was.
TEST(SlashCommands, CtrlCStopsARestoreAndLeavesTheGame) {
    TerminalConsole terminal(false, MessageTarget::None);
    Game played(terminal, terminal);
    played.LoadBytes(kSlowStory, u"зал.teg");
    played.Begin();
    for (int turn = 0; turn < 8; ++turn)
        played.Turn(u"ждать");
    const std::string save = std::filesystem::temp_directory_path() / "zuft-ctrl-c.zsave";
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(save, played.SaveText(), error));

    Game game(terminal, terminal);
    game.LoadBytes(kSlowStory, u"зал.teg");
    game.Begin();
    std::thread player([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        std::raise(SIGINT);
    });
    std::u16string_view turn;
    EXPECT_TRUE(RunSlashCommand(u"/restore " + FromUtf8(save), game, terminal, turn));
    player.join();
    EXPECT_EQ(game.journal().Position(), 0u);
    EXPECT_EQ(std::signal(SIGINT, SIG_DFL), SIG_DFL); // Ctrl+C ends the program again
    std::filesystem::remove(save);
}

} // namespace
