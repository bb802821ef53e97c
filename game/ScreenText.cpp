#include "ScreenText.h"

std::u16string WithLineFeeds(std::u16string_view text) {
    std::u16string shown;
    AppendWithLineFeeds(shown, text);
    return shown;
}

std::u16string StartOf(std::u16string_view text, std::size_t most) {
    std::u16string start(text.substr(0, most));
    if (start.size() < text.size())
        start += u" […]";
    return start;
}

void AppendWithLineFeeds(std::u16string &shown, std::u16string_view text) {
    shown.reserve(shown.size() + text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue; // the LF that follows makes the break
        shown += c == u'\r' ? u'\n' : c;
    }
}
