#pragma once

#include "ScreenText.h"

#include <cstddef>
#include <string>
#include <string_view>

// A host's list of the messages to the author, beside the console, is for finding a message, and
// a story may send the same huge trace thousands of times: the list keeps the newest
// kMostPanelEntries, each cut to its start.
inline constexpr int kMostPanelEntries = 1000;
inline constexpr std::size_t kLongestPanelEntry = 2000;

// A message's text as the list keeps it.
inline std::u16string PanelEntryText(std::u16string_view text) {
    return StartOf(text, kLongestPanelEntry);
}
