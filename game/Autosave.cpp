#include "Autosave.h"

#include "Files.h"
#include "engine/Digest.h"
#include "engine/Text.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <utility>

std::string Autosave::PathFor(const std::string &folder, const std::string &storyPath) {
    std::error_code ignored;
    const std::filesystem::path story = std::filesystem::weakly_canonical(storyPath, ignored);
    Digest digest;
    digest.Add(story.string());
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, "-%016llx.zsave",
                  static_cast<unsigned long long>(digest.Value()));
    return folder + "/" + std::filesystem::path(storyPath).filename().string() + suffix;
}

Autosave::Resumption Autosave::Resume(Game &game, const ReplayProgress &progress) {
    game.SetRecord(this);
    std::string text, error;
    if (!std::filesystem::exists(m_path)) {
        game.Begin();
        return {};
    }
    if (!ReadFileAtMost(m_path, kLargestSave, text, error)) {
        const std::u16string note = setAside(FromUtf8(error));
        game.Begin();
        return {Outcome::SetAside, note};
    }
    const ReplayResult result = game.Restore(text, progress);
    if (!result.done) {
        const std::u16string note =
            setAside(result.cancelled ? u"её восстановление прервано" : result.error);
        game.Begin();
        return {Outcome::SetAside, note};
    }
    std::u16string note = u"Игра продолжается с того места, где вы её оставили. Начать заново: "
                          u"«Игра» → «Начать заново».";
    if (const std::u16string changed = DescribeReplay(result); !changed.empty())
        note += u" " + changed;
    return {Outcome::Resumed, note};
}

// The kept game is renamed beside the autosave with the time it was set aside, never deleted:
// the player may still want it.
std::u16string Autosave::setAside(std::u16string_view why) {
    std::string date = SaveDateNow();
    for (char &c : date)
        if (c == ':')
            c = '-';
    const std::string aside = m_path + ".broken-" + date;
    std::u16string note =
        u"Сохранённую игру этой истории не удалось продолжить (" + std::u16string(why) + u"). ";
    if (std::rename(m_path.c_str(), aside.c_str()) == 0)
        note += u"Она отложена в файл " + FromUtf8(aside) + u". ";
    return note + u"История начата сначала.";
}

void Autosave::Added(std::string_view event) {
    std::string error;
    if (AppendToFile(m_path, event, error))
        m_failing = false;
    else
        failed(error);
}

void Autosave::Replaced(const Game &game) {
    std::string error;
    std::error_code ignored; // a folder that cannot be made fails the write, which says why
    std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), ignored);
    if (WriteFileAtomically(m_path, game.SaveText(), error))
        m_failing = false;
    else
        failed(error);
}

void Autosave::failed(const std::string &error) {
    if (!m_failing)
        m_error =
            u"Игру не удаётся сохранять по ходу: " + FromUtf8(m_path) + u": " + FromUtf8(error);
    m_failing = true;
}

std::u16string Autosave::TakeError() {
    return std::exchange(m_error, {});
}
