#pragma once

#include "Journal.h"

#include <cstdint>
#include <string>
#include <string_view>

// A saved game is a small UTF-8 text a person can read:
//
//   zuft-save 1
//   story: demo.teg
//   digest: 5f0c2b9d1e7a4c33
//   date: 2026-12-07T10:00:00Z
//   turn 9a3f01c2 осм
//   turn 0b77e410 взять ключ
//   restart
//   undo
//
// the header, then what the player did, one event a line: a turn with the digest of its answer
// and the typed line, a restart, or an undo or redo. Playing the events rebuilds the game. The
// game window's autosave is the same file, to which each event is added as it happens; a last
// line that a crash cut short is no event and is left out.
struct SaveHeader {
    std::u16string storyName;  // the story file's name, without its folder
    std::uint64_t storyDigest; // of the story file's bytes
    std::string date;          // when the save was made, UTC, ISO 8601
};

constexpr int kSaveFormat = 1;
constexpr std::size_t kLargestSave = 16 << 20;

std::string FormatSaveHeader(const SaveHeader &header);
std::string FormatTurn(const JournalEntry &entry);
std::string FormatRestart();
std::string FormatUndo();
std::string FormatRedo();
// The whole journal: its entries, then the undos that bring it back to its position.
std::string FormatSave(const SaveHeader &header, const Journal &journal);

// Reads a save. False, with a sentence for the player in `error`, when it is not a save this
// program can read.
bool ParseSave(std::string_view text, SaveHeader &header, Journal &journal, std::u16string &error);

// Now, as a save's date.
std::string SaveDateNow();
// The name of a story file without its folder.
std::u16string StoryFileName(std::u16string_view path);
