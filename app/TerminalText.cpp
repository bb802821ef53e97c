#include "TerminalText.h"

#include "game/ScreenText.h"

namespace {

// The Unicode block of control pictures holds one for each C0 control, and one for DEL.
constexpr char16_t kFirstControlPicture = 0x2400;
constexpr char16_t kDeletePicture = 0x2421;
constexpr char16_t kReplacement = 0xFFFD;

} // namespace

std::u16string ForTerminal(std::u16string_view text) {
    std::u16string shown = WithLineFeeds(text);
    for (char16_t &c : shown) {
        if (c == u'\n' || c == u'\t')
            continue;
        if (c < 0x20)
            c = char16_t(kFirstControlPicture + c);
        else if (c == 0x7f)
            c = kDeletePicture;
        else if (c >= 0x80 && c < 0xa0)
            c = kReplacement;
    }
    return shown;
}
