#include "Game.h"

#include "engine/Story.h"
#include "engine/Text.h"

struct Game::Replayed {
    std::unique_ptr<Story> story;
    std::vector<std::uint32_t> answers; // of the turns played, in order
    int firstDifference = 0;
    bool cancelled = false;
};

namespace {

// How often a long replay reports its progress, in turns.
constexpr std::size_t kProgressEvery = 64;

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
    StoryFileError error;
    std::shared_ptr<const Script> script = ReadScript(path, encoding, error);
    if (!script) {
        m_story->ReportFileError(error, FromUtf8(path));
        return false;
    }
    m_script = std::move(script);
    m_path = path;
    m_name = StoryFileName(FromUtf8(path));
    m_encoding = encoding;
    return true;
}

bool Game::LoadBytes(std::string_view bytes, std::u16string_view name, StoryEncoding encoding) {
    StoryFileError error;
    std::shared_ptr<const Script> script = DecodeScript(bytes, encoding, error);
    if (!script) {
        m_story->ReportFileError(error, name);
        return false;
    }
    m_script = std::move(script);
    m_path.clear();
    m_name = StoryFileName(name);
    m_encoding = encoding;
    return true;
}

void Game::Begin() {
    m_journal = Journal();
    m_story = std::make_unique<Story>(m_relay, m_relay);
    m_story->Start(m_script);
    if (m_record)
        m_record->Replaced();
}

void Game::Turn(std::u16string_view line) {
    m_relay.StartAnswer();
    if (!m_story->Turn(line))
        return;
    JournalEntry entry{JournalEntry::Kind::Turn, std::u16string(line), m_relay.Answer()};
    record(FormatTurn(entry));
    m_journal.Add(std::move(entry));
}

void Game::Restart() {
    m_journal.Add({JournalEntry::Kind::Restart, {}, 0});
    record(FormatRestart());
    m_relay.ClearText();
    m_story = std::make_unique<Story>(m_relay, m_relay);
    m_story->Start(m_script);
}

ReplayResult Game::Undo(const ReplayProgress &progress) {
    if (!m_journal.CanUndo())
        return refused(u"Отменять нечего: игра стоит в самом начале.");
    m_journal.Undo();
    const std::unique_ptr<Replayed> replayed = replay(m_journal.SinceOpening(), false, progress);
    if (replayed->cancelled) {
        m_journal.Redo();
        m_relay.SetMuted(false);
        return cancelled();
    }
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
        m_story = std::make_unique<Story>(m_relay, m_relay);
        m_story->Start(m_script);
    } else {
        m_story->Turn(entry.line);
    }
    m_journal.Redo();
    m_relay.Reveal(!m_journal.SinceOpening().empty());
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
    std::swap(journal, m_journal);
    const std::unique_ptr<Replayed> replayed = replay(m_journal.SinceOpening(), false, progress);
    if (replayed->cancelled) {
        std::swap(journal, m_journal);
        m_relay.SetMuted(false);
        return cancelled();
    }
    adopt(*replayed);
    if (m_record)
        m_record->Replaced();
    result.done = true;
    result.storyChanged = header.storyDigest != m_script->digest;
    result.firstDifference = replayed->firstDifference;
    return result;
}

ReplayResult Game::Reload(const ReplayProgress &progress) {
    ReplayResult result;
    if (m_path.empty()) {
        result.error = u"Историю негде перечитать: она открыта не из файла.";
        return result;
    }
    StoryFileError error;
    std::shared_ptr<const Script> script = ReadScript(m_path, m_encoding, error);
    if (!script) {
        result.error = error.what + (error.detail.empty() ? u"" : u" " + error.detail);
        return result;
    }
    std::swap(script, m_script);
    const std::unique_ptr<Replayed> replayed = replay(m_journal.SinceOpening(), true, progress);
    if (replayed->cancelled) {
        std::swap(script, m_script);
        m_relay.SetMuted(false);
        return cancelled();
    }
    result.storyChanged = script->digest != m_script->digest;
    result.firstDifference = replayed->firstDifference;
    m_journal.SetPosition(m_journal.Position() - m_journal.SinceOpening().size() +
                          replayed->answers.size());
    adopt(*replayed);
    if (m_record)
        m_record->Replaced();
    result.done = true;
    return result;
}

// Plays the entries since the opening into a new story, showing nothing, and takes the digest
// of every answer.
std::unique_ptr<Game::Replayed> Game::replay(std::span<const JournalEntry> entries,
                                             bool stopAtDifference,
                                             const ReplayProgress &progress) {
    auto replayed = std::make_unique<Replayed>();
    m_relay.SetMuted(true);
    replayed->story = std::make_unique<Story>(m_relay, m_relay);
    replayed->story->Start(m_script);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (progress && i % kProgressEvery == 0 && !progress(i, entries.size())) {
            replayed->cancelled = true;
            break;
        }
        m_relay.StartAnswer();
        replayed->story->Turn(entries[i].line);
        replayed->answers.push_back(m_relay.Answer());
        if (replayed->answers.back() != entries[i].answer && !replayed->firstDifference) {
            replayed->firstDifference = int(i + 1);
            if (stopAtDifference)
                break;
        }
    }
    return replayed;
}

// The replayed story becomes the game's, its answers are the ones kept from now on, and the
// console shows what its last turn left.
void Game::adopt(Replayed &replayed) {
    m_story = std::move(replayed.story);
    std::vector<JournalEntry> &entries = m_journal.Edit();
    const std::size_t start = m_journal.Position() - m_journal.SinceOpening().size();
    for (std::size_t i = 0; i < replayed.answers.size(); ++i)
        entries[start + i].answer = replayed.answers[i];
    m_relay.Reveal(!replayed.answers.empty());
}

void Game::record(std::string_view event) {
    if (m_record)
        m_record->Added(event);
}
