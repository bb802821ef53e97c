#include "TerminalText.h"

namespace {

// The Unicode block of control pictures holds one for each C0 control, and one for DEL.
constexpr char16_t kFirstControlPicture = 0x2400;
constexpr char16_t kDeletePicture = 0x2421;
constexpr char16_t kReplacement = 0xFFFD;

} // namespace

std::u16string ForTerminal(std::u16string_view text) {
    std::u16string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            shown += u'\n';
        } else if (c == u'\n' || c == u'\t') {
            shown += c;
        } else if (c < 0x20) {
            shown += char16_t(kFirstControlPicture + c);
        } else if (c == 0x7f) {
            shown += kDeletePicture;
        } else if (c >= 0x80 && c < 0xa0) {
            shown += kReplacement;
        } else {
            shown += c;
        }
    }
    return shown;
}
