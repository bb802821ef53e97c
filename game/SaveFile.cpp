#include "SaveFile.h"

#include "engine/Text.h"

#include <charconv>
#include <ctime>

namespace {

constexpr std::string_view kMagic = "zuft-save ";

std::string hex(std::uint64_t value, int digits) {
    std::string text(std::size_t(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        text[std::size_t(i)] = "0123456789abcdef"[value & 15];
    return text;
}

template <typename Number> bool readNumber(std::string_view text, Number &value, int base) {
    const char *end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value, base);
    return failure == std::errc() && stop == end && !text.empty();
}

// A typed line is kept exactly, on one line of the file: a backslash, a line break and a lone
// surrogate are written as escapes.
std::string escape(std::u16string_view line) {
    std::u16string escaped;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char16_t c = line[i];
        const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < line.size() &&
                          line[i + 1] >= 0xDC00 && line[i + 1] <= 0xDFFF;
        if (c == u'\\')
            escaped += u"\\\\";
        else if (c == u'\n')
            escaped += u"\\n";
        else if (c == u'\r')
            escaped += u"\\r";
        else if (pair)
            escaped += line.substr(i++, 2);
        else if (c >= 0xD800 && c <= 0xDFFF)
            escaped += u"\\u" + Latin(hex(c, 4));
        else
            escaped += c;
    }
    return ToUtf8(escaped);
}

bool unescape(std::u16string_view text, std::u16string &line) {
    line.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            line += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        if (text[i] == u'\\') {
            line += u'\\';
        } else if (text[i] == u'n') {
            line += u'\n';
        } else if (text[i] == u'r') {
            line += u'\r';
        } else if (text[i] == u'u' && i + 4 < text.size()) {
            const std::string digits = ToUtf8(text.substr(i + 1, 4));
            unsigned unit;
            if (!readNumber(digits, unit, 16))
                return false;
            line += char16_t(unit);
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

bool header(std::string_view line, std::string_view key, std::string_view &value) {
    if (!line.starts_with(key) || line.substr(key.size()).substr(0, 2) != ": ")
        return false;
    value = line.substr(key.size() + 2);
    return true;
}

// One event line into the journal; false when it is none.
bool readEvent(std::string_view line, Journal &journal) {
    if (line == "restart") {
        journal.Add({JournalEntry::Kind::Restart, {}, 0});
    } else if (line == "undo") {
        if (!journal.CanUndo())
            return false;
        journal.Undo();
    } else if (line == "redo") {
        if (!journal.CanRedo())
            return false;
        journal.Redo();
    } else {
        JournalEntry turn;
        if (!line.starts_with("turn ") || line.size() < 14 || line[13] != ' ' ||
            !readNumber(line.substr(5, 8), turn.answer, 16) ||
            !unescape(FromUtf8(line.substr(14)), turn.line))
            return false;
        journal.Add(std::move(turn));
    }
    return true;
}

} // namespace

std::string FormatSaveHeader(const SaveHeader &header) {
    return std::string(kMagic) + std::to_string(kSaveFormat) +
           "\nstory: " + escape(header.storyName) + "\ndigest: " + hex(header.storyDigest, 16) +
           "\ndate: " + header.date + "\n";
}

std::string FormatTurn(const JournalEntry &entry) {
    if (entry.kind == JournalEntry::Kind::Restart)
        return FormatRestart();
    return "turn " + hex(entry.answer, 8) + " " + escape(entry.line) + "\n";
}

std::string FormatRestart() {
    return "restart\n";
}
std::string FormatUndo() {
    return "undo\n";
}
std::string FormatRedo() {
    return "redo\n";
}

std::string FormatSave(const SaveHeader &header, const Journal &journal) {
    std::string text = FormatSaveHeader(header);
    for (const JournalEntry &entry : journal.Entries())
        text += FormatTurn(entry);
    for (std::size_t i = journal.Position(); i < journal.Entries().size(); ++i)
        text += FormatUndo();
    return text;
}

bool ParseSave(std::string_view text, SaveHeader &saved, Journal &journal, std::u16string &error) {
    const std::u16string broken = u"Файл повреждён или не является сохранением игры.";
    journal = Journal();
    // A save opened and kept in an editor on Windows may start with a byte-order mark.
    text = WithoutByteOrderMark(text);
    if (!IsValidUtf8(text) || !text.starts_with(kMagic)) {
        error = broken;
        return false;
    }
    // A last line without its end is an event that a crash cut short.
    text = text.substr(0, text.rfind('\n') + 1);
    int format = 0;
    std::string_view value;
    bool named = false, digested = false;
    for (int number = 0; !text.empty(); ++number) {
        std::string_view line = text.substr(0, text.find('\n'));
        text.remove_prefix(line.size() + 1);
        // Such an editor also ends lines with CR LF; a CR in a typed line is always written as
        // an escape, so one before the LF is part of the line's end.
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        bool sound;
        if (number == 0) {
            sound = readNumber(line.substr(kMagic.size()), format, 10) && format >= 1;
            if (sound && format > kSaveFormat) {
                error = u"Игра сохранена более новой версией программы (формат " +
                        DecimalText(format) + u").";
                return false;
            }
        } else if (header(line, "story", value)) {
            sound = unescape(FromUtf8(value), saved.storyName);
            named = true;
        } else if (header(line, "digest", value)) {
            sound = value.size() == 16 && readNumber(value, saved.storyDigest, 16);
            digested = true;
        } else if (header(line, "date", value)) {
            saved.date = value;
            sound = true;
        } else {
            sound = named && digested && readEvent(line, journal);
        }
        if (!sound) {
            error = broken;
            return false;
        }
    }
    if (!named || !digested) {
        error = broken;
        return false;
    }
    return true;
}

std::string SaveDateNow() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::u16string StoryFileName(std::u16string_view path) {
    const std::size_t slash = path.find_last_of(u'/');
    return std::u16string(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
}
