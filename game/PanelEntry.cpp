#include "PanelEntry.h"

std::u16string PanelEntryText(std::u16string_view text) {
    std::u16string entry(text.substr(0, kLongestPanelEntry));
    if (entry.size() < text.size())
        entry += u" […]";
    return entry;
}
