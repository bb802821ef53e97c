#pragma once

#include <string>
#include <string_view>

// What a console shows of a story's text, the same in every host.

// A story breaks its lines with CR LF, and a CR or an LF alone breaks one too, as the game window
// has always shown them. The text with "\n" for each break, as a terminal and a browser take it.
std::u16string WithLineFeeds(std::u16string_view text);

// A turn may print far more than anyone could read or a console could lay out in reasonable time:
// every host shows its last kMostShown characters, under this note.
inline constexpr std::size_t kMostShown = 8 << 20;
inline constexpr char16_t kCutNote[] =
    u"[…] Начало вывода этого хода не показано: он слишком длинный.\r\n";
