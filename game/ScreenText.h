#pragma once

#include <string>
#include <string_view>

// What a console shows of a story's text, the same in every host.

// A story breaks its lines with CR LF, and a CR or an LF alone breaks one too, as the game window
// has always shown them. The text with "\n" for each break, as a terminal and a browser take it.
std::u16string WithLineFeeds(std::u16string_view text);
// The same, added to the end of `shown`.
void AppendWithLineFeeds(std::u16string &shown, std::u16string_view text);

// A turn may print far more than anyone could read or a console could lay out in reasonable time:
// every host shows its last kMostShown characters, under this note. A million characters are
// some fifteen thousand lines; the game's history keeps each turn's screen, so a bound of
// megabytes a turn would let a few runaway turns fill the browser's memory for the engine.
inline constexpr std::size_t kMostShown = 1 << 20;
inline constexpr char16_t kCutNote[] =
    u"[…] Начало вывода этого хода не показано: он слишком длинный.\r\n";

// A screen reader is given the start of a turn's answer: nobody listens to more.
inline constexpr std::size_t kMostAnnounced = 10'000;

// The start of a text longer than anyone reads: its first `most` characters, and " […]" after
// them when there were more.
std::u16string StartOf(std::u16string_view text, std::size_t most);
