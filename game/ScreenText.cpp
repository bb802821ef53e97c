#include "ScreenText.h"

std::u16string WithLineFeeds(std::u16string_view text) {
    std::u16string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue; // the LF that follows makes the break
        shown += c == u'\r' ? u'\n' : c;
    }
    return shown;
}
