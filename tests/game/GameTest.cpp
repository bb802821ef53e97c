// A game rebuilt from what the player did: undo, redo, restart, saves, a story that changed,
// and the autosave that survives a crash.

#include "game/Autosave.h"
#include "io/Files.h"
#include "support/StoryHarness.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

std::string story(std::string_view hallText) {
    return "room зал\r\n+text " + std::string(hallText) +
           "\r\n+func с,setroom кухня\r\n+func крикнуть,pn Эхо! | set крик=1\r\n"
           "+func стереть,cls | pn Чисто.\r\ndone\r\n"
           "room кухня\r\n+text Кухня.\r\n+func ю,setroom зал\r\ndone\r\nsetroom зал\r\nwait";
}

struct Played {
    Recorder host;
    Game game{host, host};

    explicit Played(std::string_view bytes = story("Зал."), std::u16string_view name = u"дом.teg",
                    bool begin = true) {
        game.LoadBytes(bytes, name);
        game.KeepHistory(true);
        if (begin)
            game.Begin();
    }
    std::string console() const { return ToUtf8(host.console); }
    int room() const { return game.story().world().CurrentRoom; }
};

TEST(Game, UndoRedoAndRestartRebuildTheGameAndItsConsole) {
    Played p;
    for (const char16_t *line : {u"с", u"  ", u"ю", u"крикнуть"})
        EXPECT_EQ(p.game.Turn(line).played, line[0] != u' ');
    EXPECT_EQ(ToUtf8(std::u16string(p.game.TurnAnswer())), "Эхо!\r\n"); // without the echo
    EXPECT_EQ(p.game.journal().Position(), 3u); // the blank line is not kept
    ASSERT_TRUE(p.game.Undo().done);
    ASSERT_TRUE(p.game.Undo().done);
    EXPECT_EQ(p.room(), 2);
    EXPECT_EQ(p.console(), ">с\r\n\r\nКухня.\r\n"); // as that turn left it
    ASSERT_TRUE(p.game.Redo().done);
    EXPECT_EQ(p.room(), 1);
    p.game.Restart();
    EXPECT_EQ(p.console(), "Зал.\r\n");
    EXPECT_FALSE(p.game.CanRedo()); // a new entry drops what could have been redone
    ASSERT_TRUE(p.game.Undo().done);
    EXPECT_EQ(p.game.History().size(), 3u); // the opening and two turns
    EXPECT_EQ(ToUtf8(p.game.History()[2]), ">ю\r\n\r\nЗал.\r\n");
    p.game.Turn(u"стереть"); // the history keeps the line of a turn that cleared the screen
    EXPECT_EQ(ToUtf8(p.game.History().back()), ">стереть\r\n\r\nЧисто.\r\n");
    EXPECT_EQ(p.console(), "Чисто.\r\n");
    p.game.Undo();
    while (p.game.CanUndo())
        p.game.Undo();
    EXPECT_FALSE(p.game.Undo().done);
    EXPECT_EQ(p.console(), "Зал.\r\n");
    EXPECT_TRUE(p.host.boxes.empty()); // nothing played again is told the author again
    // The typed lines: the undone ones stay until a new turn drops them.
    TypedLines::Seen seen;
    EXPECT_EQ(p.game.Typed().Since(seen).lines.size(), 3u); // «с», «ю», «стереть»
    p.game.Turn(u"крикнуть");
    EXPECT_TRUE(p.game.Typed().Since(seen).anew);
    p.game.Turn(u"с");
    const TypedLines::News news = p.game.Typed().Since(seen);
    EXPECT_FALSE(news.anew);
    EXPECT_EQ(std::vector(news.lines.begin(), news.lines.end()), std::vector<std::u16string>{u"с"});
    EXPECT_EQ(p.game.Typed().Lines(), (std::vector<std::u16string>{u"крикнуть", u"с"}));
}

TEST(Game, AHostHearsAtMostAThousandMessagesATurnEachCutAndAlwaysWhyTheTurnStopped) {
    const std::string word(150'000, 'x');
    Played p("room r\r\n+func беда,goto rem начало\r\ndone\r\nsetroom r\r\n" + word +
             "\r\nwait\r\nrem начало:\r\ngoto rem круг\r\nrem круг:\r\nwait\r\n"
             "xx & goto rem круг");
    ASSERT_EQ(p.host.boxes.size(), 1u);
    EXPECT_LT(p.host.boxes[0].text.size(), 100'100u);
    EXPECT_TRUE(
        p.host.boxes[0].text.ends_with(u"(Сообщение сокращено; всего знаков в нём: 150084.)"));
    p.host.boxes.clear();
    p.game.Turn(u"беда");
    ASSERT_EQ(p.host.boxes.size(), 1002u);
    EXPECT_TRUE(p.host.boxes[1000].text.starts_with(u"Слишком долгий ход"));
    EXPECT_TRUE(p.host.boxes[1001].text.starts_with(u"Сообщений автору за этот ход больше"));
}

// However an undo gets there, from a copy of the story kept on the way or through the whole
// game from its opening as a restore plays it, the game stands the same.
TEST(Game, UndoAcrossKeptCopiesLeavesTheGameAsPlayingItFromTheOpening) {
    Played p;
    const auto play = [&](int turns) {
        const char16_t *lines[] = {u"с", u"ю", u"крикнуть", u"стереть", u"ю"};
        for (int i = 0; i < turns; ++i)
            p.game.Turn(lines[(i * 7 + i / 5) % 5]);
    };
    const auto expectAsRestored = [&] {
        Played restored;
        ASSERT_TRUE(restored.game.Restore(p.game.SaveText()).done);
        EXPECT_EQ(restored.game.journal().Entries(), p.game.journal().Entries());
        EXPECT_EQ(restored.game.journal().Position(), p.game.journal().Position());
        EXPECT_EQ(restored.console(), p.console());
        EXPECT_EQ(restored.game.ScreenText(), p.game.ScreenText());
        EXPECT_EQ(restored.game.History(), p.game.History());
        EXPECT_EQ(restored.room(), p.room());
        const World &world = restored.game.story().world();
        EXPECT_EQ(world.VariableCount, p.game.story().world().VariableCount);
        EXPECT_EQ(world.Variables[1].Value, p.game.story().world().Variables[1].Value);
    };
    play(500);
    p.game.Restart();
    play(300);                              // copies at 256, 512 (after the restart) and 768
    for (int back : {1, 32, 256, 300, 2}) { // to 800, 768, 512, 212 and 210
        for (int i = 0; i < back; ++i)
            ASSERT_TRUE(p.game.Undo().done);
        expectAsRestored();
    }
    ASSERT_TRUE(p.game.Redo().done);
    play(400); // drops the turns that could have been redone, and their copies
    ASSERT_TRUE(p.game.Undo().done);
    expectAsRestored();
    // A turn the player stopped ends elsewhere when played again: no copy is made after it.
    constexpr std::string_view dots = "room зал\r\n+text Зал.\r\n+func ждать,goto rem l\r\ndone\r\n"
                                      "setroom зал\r\nwait\r\nrem l:\r\np .\r\ngoto rem l";
    Played slow(dots);
    slow.game.SetInterruption([] { return false; });
    slow.game.Turn(u"ждать");
    slow.game.SetInterruption({});
    for (int i = 0; i < 300; ++i)
        slow.game.Turn(u"осм");
    ASSERT_TRUE(slow.game.Undo().done);
    Played restored(dots);
    ASSERT_TRUE(restored.game.Restore(slow.game.SaveText()).done);
    EXPECT_EQ(restored.game.journal().Entries(), slow.game.journal().Entries());
}

TEST(Game, ARestoredSaveIsTheGameExactlyAndAnotherStorysSaveIsRefused) {
    Played p;
    for (const char16_t *line : {u"крикнуть", u"с", u"###"})
        p.game.Turn(line);
    p.game.Undo();
    const std::string save = p.game.SaveText();

    Played restored;
    const ReplayResult result = restored.game.Restore(save);
    ASSERT_TRUE(result.done);
    EXPECT_FALSE(result.storyChanged);
    EXPECT_EQ(restored.room(), 2);
    EXPECT_EQ(restored.console(), p.console());
    EXPECT_TRUE(restored.game.CanRedo());
    restored.game.Redo();
    EXPECT_EQ(ToUtf8(restored.host.input), "###"); // the input line as the turn left it

    Played other(story("Другой зал."), u"чужая.teg");
    const ReplayResult refused = other.game.Restore(save);
    EXPECT_FALSE(refused.done);
    EXPECT_EQ(ToUtf8(refused.error), "Это сохранение другой истории: «дом.teg».");
    EXPECT_EQ(other.game.journal().Position(), 0u);
}

TEST(Game, AChangedStoryReplaysTheLinesAndTellsWhereItsAnswersDiffer) {
    Played p;
    for (const char16_t *line : {u"крикнуть", u"с", u"ю"})
        p.game.Turn(line);
    Played changed(story("Большой зал."));
    const ReplayResult result = changed.game.Restore(p.game.SaveText());
    ASSERT_TRUE(result.done);
    EXPECT_TRUE(result.storyChanged);
    EXPECT_EQ(result.firstDifference, 3); // "ю" comes back into the hall
    EXPECT_EQ(ToUtf8(DescribeReplay(result)),
              "История изменилась с тех пор, как в неё играли: её ответы впервые отличаются от "
              "прежних на ходе 3.");
    EXPECT_EQ(changed.console(), ">ю\r\n\r\nБольшой зал.\r\n");
}

TEST(Game, ReloadStopsAfterTheFirstTurnWhoseAnswerChanged) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "zuft-reload.teg";
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(file, story("Зал."), error));
    Recorder host;
    Game game(host, host);
    ASSERT_TRUE(game.Load(file));
    game.Begin();
    for (const char16_t *line : {u"с", u"ю", u"с"})
        game.Turn(line);
    ASSERT_TRUE(WriteFileAtomically(file, story("Светлый зал."), error));
    const ReplayResult result = game.Reload();
    ASSERT_TRUE(result.done);
    EXPECT_EQ(result.firstDifference, 2);
    EXPECT_EQ(game.journal().Position(), 2u);
    EXPECT_TRUE(game.CanRedo());
    EXPECT_EQ(ToUtf8(host.console), ">ю\r\n\r\nСветлый зал.\r\n");
    std::filesystem::remove(file);
}

TEST(Autosave, AGameComesBackAfterACrashAndABrokenOneIsSetAside) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zuft-autosave";
    std::filesystem::remove_all(folder);
    const std::string path = Autosave::PathFor(folder, "/stories/дом.teg");
    {
        Played p(story("Зал."), u"дом.teg", false);
        Autosave autosave(path);
        EXPECT_EQ(autosave.Resume(p.game).outcome, Autosave::Outcome::NewGame);
        for (const char16_t *line : {u"с", u"ю", u"крикнуть"})
            p.game.Turn(line);
        p.game.Undo();
        EXPECT_TRUE(autosave.TakeNotice().text.empty());
    } // the program ends without a word: the autosave is all that is left
    ASSERT_TRUE(AppendToFile(path, "turn 0000", *std::make_unique<std::string>()));
    {
        Played p(story("Зал."), u"дом.teg", false);
        Autosave autosave(path);
        const Autosave::Resumption resumed = autosave.Resume(p.game);
        EXPECT_EQ(resumed.outcome, Autosave::Outcome::Resumed);
        EXPECT_EQ(p.room(), 1);
        EXPECT_EQ(p.game.journal().Position(), 2u);
        EXPECT_TRUE(p.game.CanRedo());
    }
    ASSERT_TRUE(WriteFileAtomically(path, "garbage", *std::make_unique<std::string>()));
    Played p(story("Зал."), u"дом.teg", false);
    Autosave autosave(path);
    const Autosave::Resumption aside = autosave.Resume(p.game);
    EXPECT_EQ(aside.outcome, Autosave::Outcome::SetAside);
    EXPECT_EQ(p.console(), "Зал.\r\n");
    int setAside = 0;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        setAside += entry.path().string().find(".broken-") != std::string::npos;
    EXPECT_EQ(setAside, 1);
    std::filesystem::remove_all(folder);
}

std::string contents(const std::string &path) {
    std::string bytes, error;
    ReadFileAtMost(path, 1 << 20, bytes, error);
    return bytes;
}

// A kept game's text without the time it was written, which a second may have changed.
std::string undated(std::string text) {
    const std::size_t at = text.find("\ndate: ");
    if (at != std::string::npos)
        text.erase(at + 1, text.find('\n', at + 1) - at);
    return text;
}

std::filesystem::path freshFolder(const char *name) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

TEST(Autosave, ASecondWindowNeverWritesIntoTheFirstWindowsGame) {
    const std::filesystem::path folder = freshFolder("zuft-autosave-shared");
    const std::string path = Autosave::PathFor(folder, "/stories/дом.teg");
    Played first(story("Зал."), u"дом.teg", false);
    Autosave kept(path);
    ASSERT_TRUE(kept.Claim());
    kept.Resume(first.game);
    first.game.Turn(u"с");

    Played copy(story("Зал."), u"дом.teg", false);
    Autosave copied(path);
    EXPECT_FALSE(copied.Claim());
    copied.KeepAsCopy();
    EXPECT_NE(copied.Path(), path);
    EXPECT_EQ(copied.Resume(copy.game).outcome, Autosave::Outcome::Resumed);
    EXPECT_EQ(copy.room(), 2); // the first window's game as it stood
    copy.game.Turn(u"ю");

    Played watched(story("Зал."), u"дом.teg", false);
    Autosave watching(path);
    EXPECT_FALSE(watching.Claim());
    watching.KeepNothing();
    watching.Resume(watched.game);
    watched.game.Turn(u"крикнуть");

    first.game.Turn(u"ю");
    EXPECT_EQ(undated(contents(path)), undated(first.game.SaveText()));
    EXPECT_EQ(undated(contents(copied.Path())), undated(copy.game.SaveText()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 4); // and 2 locks
    std::filesystem::remove_all(folder);
}

TEST(Autosave, AfterAFailedWriteTheWholeGameIsKeptNeverATurnWithoutItsHeader) {
    const std::filesystem::path folder = freshFolder("zuft-autosave-full");
    const std::string path = Autosave::PathFor(folder, "/stories/дом.teg");
    Played p(story("Зал."), u"дом.teg", false);
    Autosave autosave(path);
    ASSERT_TRUE(autosave.Claim());
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit full{1, before.rlim_max}; // as if the disk had just filled up
    setrlimit(RLIMIT_FSIZE, &full);
    autosave.Resume(p.game);
    p.game.Turn(u"с");
    p.game.Turn(u"ю");
    setrlimit(RLIMIT_FSIZE, &before);
    EXPECT_FALSE(std::filesystem::exists(path));
    const Autosave::Notice failed = autosave.TakeNotice();
    EXPECT_TRUE(failed.trouble);
    EXPECT_NE(ToUtf8(failed.text).find("Файл слишком велик"), std::string::npos);
    EXPECT_TRUE(autosave.TakeNotice().text.empty()); // told once

    p.game.Turn(u"крикнуть");
    EXPECT_EQ(undated(contents(path)),
              undated(p.game.SaveText())); // the turns the full disk missed are there
    EXPECT_EQ(ToUtf8(autosave.TakeNotice().text), "Игра снова сохраняется по ходу.");
    std::filesystem::remove(path);
    p.game.Turn(u"с"); // a kept game removed under it is written whole again, never begun
    EXPECT_EQ(undated(contents(path)), undated(p.game.SaveText()));
    std::filesystem::remove_all(folder);
}

TEST(Autosave, AStoryOfAnyNameIsKeptAndLeftoversOfAKilledWriteAreCleared) {
    const std::filesystem::path folder = freshFolder("zuft-autosave-names");
    const std::string name = "/stories/" + std::string(120, 'x') + std::string(60, '\xd0') + ".teg";
    const std::string path = Autosave::PathFor(folder, name);
    EXPECT_LT(std::filesystem::path(path).filename().string().size(), 100u);
    EXPECT_NE(path, Autosave::PathFor(folder, name + "2"));
    ASSERT_TRUE(
        WriteFileAtomically(path + ".a1B2c3", "half a game", *std::make_unique<std::string>()));
    ASSERT_TRUE(
        WriteFileAtomically(path + ".broken-1", "set aside", *std::make_unique<std::string>()));
    Played p(story("Зал."), u"дом.teg", false);
    Autosave autosave(path);
    ASSERT_TRUE(autosave.Claim());
    autosave.Resume(p.game);
    p.game.Turn(u"с");
    EXPECT_EQ(undated(contents(path)), undated(p.game.SaveText()));
    EXPECT_FALSE(std::filesystem::exists(path + ".a1B2c3"));
    EXPECT_TRUE(std::filesystem::exists(path + ".broken-1"));
    std::filesystem::remove_all(folder);
}

TEST(Game, ACancelledReplayStopsInTheMiddleOfASlowTurnAndLeavesTheGame) {
    Played p(kSlowStory);
    p.game.Turn(u"ждать");
    p.game.Turn(u"ждать");
    int reports = 0;
    Played restored(kSlowStory);
    const ReplayResult result =
        restored.game.Restore(p.game.SaveText(), [&](std::size_t, std::size_t) {
            return ++reports < 2; // the second report comes while the first turn still works
        });
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(reports, 2);
    EXPECT_EQ(restored.game.journal().Position(), 0u);
}

TEST(Game, TheHistoryForgetsItsOldestExchangesAndCountsWhatUndoDrops) {
    ExchangeHistory history(10);
    for (const char16_t *exchange : {u"один", u"два", u"три", u"четыре"})
        history.Add(exchange);
    EXPECT_EQ(history.Forgotten(), 2u); // 16 characters: "один" and "два" go
    EXPECT_EQ(history.Characters(), 9u);
    history.KeepFirst(3); // an undone turn is dropped
    EXPECT_EQ(history.Characters(), 3u);
    history.Add(u"пять");
    EXPECT_EQ(history.Forgotten(), 2u);
    history.Add(std::u16string(20, u'x')); // the newest is kept whole, whatever its size
    EXPECT_EQ(history.Forgotten(), 4u);
    EXPECT_EQ(history.Exchanges().back().size(), 20u);
}

} // namespace
