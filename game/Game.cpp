#include "Game.h"

#include "ScreenText.h"
#include "engine/Story.h"
#include "engine/Text.h"
#include "player/Player.h"

#include <chrono>

struct Game::Replayed {
    std::size_t from = 0; // the entries before it were not played again
    std::unique_ptr<Story> story;
    std::vector<std::uint32_t> answers; // of the entries played, in order
    ExchangeHistory history;            // of the entries played, and of the opening with them
    ReplayPoints points;                // made on the way
    int firstDifference = 0;
    bool cancelled = false;
};

namespace {

// A replay tells its progress by the clock, not by the turn: one turn may work for most of a
// second, and the player's «Отмена» must still be heard at once.
class ProgressTicker {
public:
    ProgressTicker(const ReplayProgress &progress, std::size_t total)
        : m_progress(progress), m_total(total) {}

    // False once the player has cancelled. The first call always reports: a host counts the
    // time before it shows its progress from there.
    bool GoOn(std::size_t done) {
        if (m_cancelled || !m_progress)
            return !m_cancelled;
        const auto now = std::chrono::steady_clock::now();
        if (m_reported && now - m_last < kEvery)
            return true;
        m_reported = true;
        m_last = now;
        m_cancelled = !m_progress(done, m_total);
        return !m_cancelled;
    }
    bool Cancelled() const { return m_cancelled; }

private:
    static constexpr std::chrono::milliseconds kEvery{40};
    const ReplayProgress &m_progress;
    std::size_t m_total;
    std::chrono::steady_clock::time_point m_last;
    bool m_reported = false;
    bool m_cancelled = false;
};

ReplayResult done() {
    ReplayResult result;
    result.done = true;
    return result;
}

ReplayResult cancelled() {
    ReplayResult result;
    result.cancelled = true;
    return result;
}

ReplayResult refused(std::u16string why) {
    ReplayResult result;
    result.error = std::move(why);
    return result;
}

} // namespace

std::u16string DescribeReplay(const ReplayResult &result) {
    const std::u16string turn = DecimalText(result.firstDifference);
    if (result.storyChanged && result.firstDifference)
        return u"История изменилась с тех пор, как в неё играли: её ответы впервые отличаются "
               u"от прежних на ходе " +
               turn + u".";
    if (result.storyChanged)
        return u"История изменилась с тех пор, как в неё играли, но на все ходы игры отвечает "
               u"так же.";
    if (result.firstDifference)
        return u"Ответы истории впервые отличаются от прежних на ходе " + turn + u".";
    return {};
}

Game::Game(Console &console, AuthorMessages &messages)
    : m_relay(console, messages), m_script(EmptyScript()),
      m_story(std::make_unique<Story>(m_relay, m_relay)) {}

Game::~Game() = default;

bool Game::Load(const std::string &path, StoryEncoding encoding) {
    std::shared_ptr<const Script> script = LoadScriptFile(path, encoding, m_relay);
    if (!script)
        return false;
    m_script = std::move(script);
    m_path = path;
    m_name = StoryFileName(FromUtf8(path));
    m_encoding = encoding;
    return true;
}

bool Game::LoadBytes(std::string_view bytes, std::u16string_view name, StoryEncoding encoding) {
    std::shared_ptr<const Script> script = LoadScript(bytes, name, encoding, m_relay);
    if (!script)
        return false;
    m_script = std::move(script);
    m_path.clear();
    m_name = StoryFileName(name);
    m_encoding = encoding;
    return true;
}

void Game::Begin() {
    m_journal = Journal();
    m_typed.Replace({});
    m_history.Clear();
    m_points.Clear();
    m_stopped.clear();
    startStory();
    if (m_record)
        m_record->Replaced(*this);
}

// The story made with the game runs the first opening: its world is large, and making a second
// one at once would set it all up twice before the player sees the first line.
void Game::startStory() {
    m_relay.Forget();
    if (m_storyStarted)
        m_story = std::make_unique<Story>(m_relay, m_relay);
    m_storyStarted = true;
    m_story->Start(m_script);
    m_relay.EndAnswer();
    remember();
}

// The console as this exchange left it joins the history, in place of any that could have been
// redone.
void Game::remember() {
    const std::size_t position = m_journal.Position();
    m_history.KeepFirst(position);
    m_history.Add(exchange());
    if (!ReplayPoints::Due(position) || position > exactUpTo())
        return;
    const ReplayPoints::Point *last = m_points.Nearest(position);
    int turns = last ? last->turns : 0;
    for (std::size_t i = last ? last->position : 0; i < position; ++i)
        turns += m_journal.Entries()[i].kind == JournalEntry::Kind::Turn;
    m_points.Keep(position, turns, *m_story, m_relay.Kept());
}

// A turn was played, as the last entry in effect.
void Game::played(bool stopped) {
    const std::size_t entry = m_journal.Position() - 1;
    if (stopped)
        m_stopped.insert(entry);
    remember();
}

// How many entries from the opening on a replay would play exactly as they were played.
std::size_t Game::exactUpTo() const {
    return m_stopped.empty() ? m_journal.Entries().size() : *m_stopped.begin();
}

std::u16string Game::exchange() const {
    return m_keepHistory ? m_relay.Exchange() : std::u16string();
}

StorySnapshot Game::Snapshot() const {
    const RunPosition &run = m_story->Position();
    return {m_story->world(), m_story->script().lines, run.cursor, run.lastWait,
            run.lastMessageLine};
}

std::u16string Game::ScreenText() const {
    // Made in one go: the screen of a turn that printed without end is megabytes long.
    std::u16string shown = m_relay.Cut() ? WithLineFeeds(kCutNote) : std::u16string();
    AppendWithLineFeeds(shown, m_relay.Screen());
    return shown;
}

TurnOutcome Game::Turn(std::u16string_view line) {
    m_relay.StartAnswer();
    // The story may be a new one since the last turn (a restart, an undo).
    m_story->SetInterruption(m_keepGoing);
    TurnOutcome outcome;
    outcome.played = Player(*m_story).Turn(line);
    m_relay.EndAnswer();
    if (!outcome.played)
        return outcome;
    outcome.stopped = m_story->TurnStopped();
    outcome.newConsole = m_relay.Cleared();
    outcome.messages = m_relay.Messages();
    // The journal holds the turn before it is kept: a record that must write the game whole
    // writes it with this turn.
    keep({JournalEntry::Kind::Turn, std::u16string(line), m_relay.AnswerDigest()});
    if (m_record)
        m_record->Added(FormatTurn(m_journal.Entries().back()));
    played(outcome.stopped);
    return outcome;
}

void Game::Restart() {
    keep({JournalEntry::Kind::Restart, {}, 0});
    record(FormatRestart());
    m_relay.ClearText();
    startStory();
}

ReplayResult Game::Undo(const ReplayProgress &progress) {
    if (!m_journal.CanUndo())
        return refused(u"Отменять нечего: игра стоит в самом начале.");
    const std::size_t position = m_journal.Position() - 1;
    const ReplayPoints::Point *from = m_points.Nearest(std::min(position, exactUpTo()));
    const std::unique_ptr<Replayed> replayed = replay(m_journal, position, from, false, progress);
    if (replayed->cancelled)
        return cancelled();
    m_journal.Undo();
    adopt(*replayed);
    record(FormatUndo());
    return done();
}

ReplayResult Game::Redo() {
    if (!m_journal.CanRedo())
        return refused(u"Возвращать нечего: отменённых ходов нет.");
    const JournalEntry &entry = m_journal.Entries()[m_journal.Position()];
    m_relay.SetMuted(true);
    if (entry.kind == JournalEntry::Kind::Restart) {
        m_relay.ClearText();
        m_journal.Redo();
        startStory();
    } else {
        Player(*m_story).Turn(entry.line);
        m_journal.Redo();
        played(m_story->TurnStopped());
    }
    m_relay.Reveal(entry.kind == JournalEntry::Kind::Turn);
    record(FormatRedo());
    return done();
}

std::string Game::SaveText() const {
    return FormatSave(Header(), m_journal);
}

SaveHeader Game::Header() const {
    return {m_name, m_script->digest, SaveDateNow()};
}

ReplayResult Game::Restore(std::string_view saveText, const ReplayProgress &progress) {
    SaveHeader header;
    Journal journal;
    ReplayResult result;
    if (!ParseSave(saveText, header, journal, result.error))
        return result;
    if (header.storyName != m_name && header.storyDigest != m_script->digest) {
        result.error = u"Это сохранение другой истории: «" + header.storyName + u"».";
        return result;
    }
    const std::unique_ptr<Replayed> replayed =
        replay(journal, journal.Position(), nullptr, false, progress);
    if (replayed->cancelled)
        return cancelled();
    m_typed.Replace(journal.TypedLines());
    m_journal = std::move(journal);
    m_points.Clear();
    m_stopped.clear();
    adopt(*replayed);
    if (m_record)
        m_record->Replaced(*this);
    result.done = true;
    result.storyChanged = header.storyDigest != m_script->digest;
    result.firstDifference = replayed->firstDifference;
    return result;
}

ReplayResult Game::Reload(const ReplayProgress &progress) {
    if (m_path.empty())
        return refused(u"Историю неоткуда перечитать: она открыта не из файла.");
    StoryFileError error;
    std::shared_ptr<const Script> script = ReadScript(m_path, m_encoding, error);
    if (!script)
        return refused(error.Sentence());
    std::swap(script, m_script);
    const std::unique_ptr<Replayed> replayed =
        replay(m_journal, m_journal.Position(), nullptr, true, progress);
    if (replayed->cancelled) {
        std::swap(script, m_script);
        return cancelled();
    }
    ReplayResult result = done();
    result.storyChanged = script->digest != m_script->digest;
    result.firstDifference = replayed->firstDifference;
    m_journal.SetPosition(replayed->answers.size());
    m_points.Clear();
    adopt(*replayed);
    if (m_record)
        m_record->Replaced(*this);
    return result;
}

// Plays the journal's entries up to `position` into a new story, showing nothing, and takes the
// digest of every answer: from the opening, or from a copy of the story made on the way before.
// `firstDifference` counts the turns, not the restarts between them.
std::unique_ptr<Game::Replayed> Game::replay(const Journal &journal, std::size_t position,
                                             const ReplayPoints::Point *from, bool stopAtDifference,
                                             const ReplayProgress &progress) {
    auto replayed = std::make_unique<Replayed>();
    replayed->from = from ? from->position : 0;
    const std::size_t total = position - replayed->from;
    std::size_t done = 0;
    ProgressTicker ticker(progress, total);
    // A slow turn hears the player too: cancelling stops it as its work budget would.
    const auto interruption = [&] { return ticker.GoOn(done); };
    const auto newStory = [&] {
        m_relay.Forget();
        replayed->story = std::make_unique<Story>(m_relay, m_relay);
        replayed->story->SetInterruption(interruption);
        replayed->story->Start(m_script);
    };
    const Relay::Shown shown = m_relay.Kept();
    m_relay.SetMuted(true);
    int turns = 0;
    if (from) {
        m_relay.Resume(from->shown);
        replayed->story = std::make_unique<Story>(*from->story);
        replayed->story->SetInterruption(interruption);
        turns = from->turns;
    } else {
        newStory();
        replayed->history.Add(exchange());
    }
    for (; done < total && ticker.GoOn(done); ++done) {
        const JournalEntry &entry = journal.Entries()[replayed->from + done];
        if (entry.kind == JournalEntry::Kind::Restart) {
            m_relay.ClearText();
            newStory();
            replayed->answers.push_back(0);
        } else {
            m_relay.StartAnswer();
            Player(*replayed->story).Turn(entry.line);
            replayed->answers.push_back(m_relay.AnswerDigest());
            ++turns;
        }
        if (ticker.Cancelled())
            break;
        replayed->history.Add(exchange());
        const std::size_t reached = replayed->from + done + 1;
        // Only the copies that the game keeps once it stands where the replay ends are made.
        if (ReplayPoints::Due(reached) && ReplayPoints::KeptAt(reached, position))
            replayed->points.Keep(reached, turns, *replayed->story, m_relay.Kept());
        if (replayed->answers.back() != entry.answer && !replayed->firstDifference) {
            replayed->firstDifference = turns;
            if (stopAtDifference)
                break;
        }
    }
    replayed->story->SetInterruption({});
    replayed->cancelled = ticker.Cancelled();
    if (replayed->cancelled) {
        m_relay.Resume(shown);
        m_relay.SetMuted(false);
    }
    return replayed;
}

// The replayed story becomes the game's, with the journal it was played from in place (its
// answers the ones kept from now on), and the console shows what its last entry left.
void Game::adopt(Replayed &replayed) {
    const std::size_t end = replayed.from + replayed.answers.size();
    for (std::size_t i = 0; i < replayed.answers.size(); ++i)
        m_journal.Edit()[replayed.from + i].answer = replayed.answers[i];
    m_stopped.erase(m_stopped.lower_bound(replayed.from), m_stopped.lower_bound(end));
    m_story = std::move(replayed.story);
    // A copy is never made at the opening: a replay from one keeps the exchange it stood at.
    m_history.KeepFirst(replayed.from == 0 ? 0 : replayed.from + 1);
    m_history.Append(std::move(replayed.history));
    const std::size_t position = m_journal.Position();
    m_points.StandAt(position);
    m_points.Join(std::move(replayed.points));
    m_points.StandAt(position);
    m_relay.Reveal(position > 0 &&
                   m_journal.Entries()[position - 1].kind == JournalEntry::Kind::Turn);
}

// A new entry in the journal drops the entries that could have been redone, and their lines.
void Game::keep(JournalEntry entry) {
    m_stopped.erase(m_stopped.lower_bound(m_journal.Position()), m_stopped.end());
    std::size_t undone = 0;
    for (std::size_t i = m_journal.Position(); i < m_journal.Entries().size(); ++i)
        undone += m_journal.Entries()[i].kind == JournalEntry::Kind::Turn;
    m_typed.DropLast(undone);
    if (entry.kind == JournalEntry::Kind::Turn)
        m_typed.Add(entry.line);
    m_journal.Add(std::move(entry));
}

void Game::record(std::string_view event) {
    if (m_record)
        m_record->Added(event);
}
