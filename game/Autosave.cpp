#include "Autosave.h"

#include "engine/Digest.h"
#include "engine/Text.h"
#include "io/Files.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <utility>

namespace fs = std::filesystem;

namespace {

// The story's name in a kept game's name is only there for a person who looks in the folder.
constexpr std::size_t kReadableNameBytes = 48;
// The copies a second window may make of one story's game.
constexpr int kMostCopies = 1000;

// The start of a name, cut before a byte that continues a UTF-8 letter.
std::string shortened(std::string name) {
    if (name.size() <= kReadableNameBytes)
        return name;
    std::size_t end = kReadableNameBytes;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
        --end;
    return name.substr(0, end);
}

// A write killed half way leaves its temporary file beside the game (the game's name, a dot and
// six letters or digits); nobody else writes this game while its lock is held.
void removeLeftovers(const std::string &path) {
    const std::string prefix = fs::path(path).filename().string() + ".";
    std::error_code trouble;
    for (const auto &entry : fs::directory_iterator(fs::path(path).parent_path(), trouble)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != prefix.size() + 6 || !name.starts_with(prefix))
            continue;
        const bool temporary = std::all_of(name.begin() + long(prefix.size()), name.end(),
                                           [](char c) { return std::isalnum((unsigned char)c); });
        if (temporary)
            fs::remove(entry.path(), trouble);
    }
}

} // namespace

Autosave::Autosave(std::string path) : m_source(path), m_path(std::move(path)) {}

std::string Autosave::PathFor(const std::string &folder, const std::string &storyPath) {
    std::error_code ignored;
    const fs::path story = fs::weakly_canonical(storyPath, ignored);
    Digest digest;
    digest.Add(story.string());
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, "-%016llx.zsave",
                  static_cast<unsigned long long>(digest.Value()));
    return folder + "/" + shortened(fs::path(storyPath).stem().string()) + suffix;
}

bool Autosave::Claim() {
    std::error_code ignored; // a folder that cannot be made fails the writes, which say why
    fs::create_directories(fs::path(m_path).parent_path(), ignored);
    std::string error;
    if (m_lock.Take(m_path + ".lock", error) == FileLock::Outcome::Busy)
        return false;
    removeLeftovers(m_path);
    return true;
}

void Autosave::KeepAsCopy() {
    const std::string stem = fs::path(m_source).replace_extension().string();
    for (int copy = 2; copy <= kMostCopies; ++copy) {
        const std::string path = stem + "-" + std::to_string(copy) + ".zsave";
        std::error_code trouble;
        std::string error;
        if (!fs::exists(path, trouble) && !trouble &&
            m_lock.Take(path + ".lock", error) != FileLock::Outcome::Busy) {
            m_path = path;
            return;
        }
    }
    KeepNothing();
}

void Autosave::KeepNothing() {
    m_path.clear();
}

Autosave::Resumption Autosave::Resume(Game &game, const ReplayProgress &progress,
                                      std::u16string_view howToRestart) {
    game.SetRecord(this);
    m_game = &game;
    std::u16string other;
    if (m_path != m_source)
        other = m_path.empty() ? u"Эта история открыта и в другом окне: здесь её игра идёт, но "
                                 u"ходы не сохраняются. "
                               : u"Эта история открыта и в другом окне: здесь вы играете в копию "
                                 u"её игры, которая сохраняется отдельно. ";
    std::string text, error;
    std::error_code trouble;
    if (!fs::exists(m_source, trouble)) {
        game.Begin();
        return {Outcome::NewGame, other};
    }
    if (!ReadFileAtMost(m_source, kLargestSave, text, error)) {
        const std::u16string note = setAside(FromUtf8(error));
        game.Begin();
        return {Outcome::SetAside, other + note};
    }
    const ReplayResult result = game.Restore(text, progress);
    if (!result.done) {
        const std::u16string note =
            setAside(result.cancelled ? u"её восстановление прервано" : result.error);
        game.Begin();
        return {Outcome::SetAside, other + note};
    }
    std::u16string note = u"Игра продолжается с того места, где вы её оставили. Начать заново: " +
                          std::u16string(howToRestart) + u".";
    if (const std::u16string changed = DescribeReplay(result); !changed.empty())
        note += u" " + changed;
    return {Outcome::Resumed, other + note};
}

// The kept game is renamed beside the autosave with the time it was set aside, never deleted:
// the player may still want it. Another window's game is left where it is.
std::u16string Autosave::setAside(std::u16string_view why) {
    std::string date = SaveDateNow();
    for (char &c : date)
        if (c == ':')
            c = '-';
    const std::string aside = m_source + ".broken-" + date;
    std::u16string note =
        u"Сохранённую игру этой истории не удалось продолжить (" + std::u16string(why) + u"). ";
    if (m_path == m_source && std::rename(m_source.c_str(), aside.c_str()) == 0)
        note += u"Она отложена в файл " + FromUtf8(aside) + u". ";
    return note + u"История начата сначала.";
}

// A turn is added at the end of the kept game. After any write that failed the game is written
// whole instead, so that a turn lost to a full disk never goes missing from a game that is
// later kept again: the file holds the whole game, or the game as it stood before the trouble.
void Autosave::Added(std::string_view event) {
    if (m_path.empty() || !m_game)
        return;
    std::string error;
    if (!m_failing && AppendToFile(m_path, event, error))
        return;
    rewrite(*m_game);
}

void Autosave::Replaced(const Game &game) {
    m_game = &game;
    if (!m_path.empty())
        rewrite(game);
}

void Autosave::rewrite(const Game &game) {
    std::string error;
    std::error_code ignored; // a folder that cannot be made fails the write, which says why
    fs::create_directories(fs::path(m_path).parent_path(), ignored);
    if (WriteFileAtomically(m_path, game.SaveText(), error))
        succeeded();
    else
        failed(error);
}

void Autosave::succeeded() {
    if (m_failing)
        m_notice = {u"Игра снова сохраняется по ходу.", false};
    m_failing = false;
}

void Autosave::failed(const std::string &error) {
    if (!m_failing)
        m_notice = {u"Игру не удаётся сохранять по ходу: " + FromUtf8(m_path) + u": " +
                        FromUtf8(error),
                    true};
    m_failing = true;
}

Autosave::Notice Autosave::TakeNotice() {
    return std::exchange(m_notice, {});
}
