#include "Digest.h"
#include "Script.h"
#include "Text.h"
#include "Windows1251.h"
#include "io/Files.h"
#include "io/SystemError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE", kUtf16BigMark = "\xFE\xFF";

// How the bytes read as UTF-8: how many sequences of more than one byte are sound, how many
// bytes start none, and where the first of those stands.
struct Utf8Reading {
    std::size_t sound = 0, invalid = 0;
    std::size_t firstInvalid = std::string_view::npos;
};

Utf8Reading readAsUtf8(std::string_view bytes) {
    Utf8Reading reading;
    for (std::size_t at = 0; at < bytes.size();) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(bytes, at);
        if (length == 0) {
            if (reading.invalid++ == 0)
                reading.firstInvalid = at;
            ++at;
        } else {
            ++reading.sound;
            at += length;
        }
    }
    return reading;
}

// Where a line ends in UTF-8 and UTF-16: at CR LF, at CR or at LF. The position after the end
// that starts at `at`.
template <typename Char>
std::size_t afterLineEnd(std::basic_string_view<Char> text, std::size_t at) {
    return text[at] == Char('\r') && at + 1 < text.size() && text[at + 1] == Char('\n') ? at + 2
                                                                                        : at + 1;
}

template <typename Char> std::size_t countLineEnds(std::basic_string_view<Char> text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == Char('\r') || text[at] == Char('\n')) {
            at = afterLineEnd(text, at);
            ++count;
        } else {
            ++at;
        }
    }
    return count;
}

template <typename Char, typename Decode>
void splitLines(std::basic_string_view<Char> text, Decode decode,
                std::vector<std::u16string> &lines) {
    constexpr Char ends[] = {Char('\r'), Char('\n'), Char(0)};
    for (;;) {
        const std::size_t end = text.find_first_of(ends);
        lines.push_back(decode(text.substr(0, end)));
        if (end == std::basic_string_view<Char>::npos)
            return;
        text.remove_prefix(afterLineEnd(text, end));
    }
}

std::u16string decodeUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string text;
    text.reserve(bytes.size() / 2 + 1);
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const unsigned first = static_cast<unsigned char>(bytes[at]);
        const unsigned second = static_cast<unsigned char>(bytes[at + 1]);
        text += char16_t(bigEndian ? first << 8 | second : second << 8 | first);
    }
    if (bytes.size() % 2 != 0) // half a character at the end
        text += char16_t(0xFFFD);
    return text;
}

// The encoding to read the bytes in; the byte-order mark of that encoding is taken off them.
StoryEncoding chooseEncoding(std::string_view &bytes, StoryEncoding asked, bool &bigEndian,
                             Utf8Reading &reading) {
    const bool marked = bytes.starts_with(kByteOrderMark);
    if (asked == StoryEncoding::Detect) {
        if (bytes.starts_with(kUtf16LittleMark) || bytes.starts_with(kUtf16BigMark)) {
            asked = StoryEncoding::Utf16;
        } else if (marked) {
            asked = StoryEncoding::Utf8;
        } else {
            reading = readAsUtf8(bytes);
            asked = reading.invalid == 0 ? StoryEncoding::Utf8 : StoryEncoding::Windows1251;
        }
    }
    if (asked == StoryEncoding::Utf8 && marked)
        bytes.remove_prefix(kByteOrderMark.size());
    if (asked == StoryEncoding::Utf16) {
        bigEndian = bytes.starts_with(kUtf16BigMark);
        if (bigEndian || bytes.starts_with(kUtf16LittleMark))
            bytes.remove_prefix(2);
    }
    return asked;
}

// One Windows-1251 line's bytes, its LFs dropped, as characters. The line is stored at its
// exact size: the whole table of a story of many megabytes is alive at once. `joined`: whether
// an LF without a CR before it was dropped.
std::u16string decodeWindows1251Line(std::string_view bytes, bool afterCr, bool &joined,
                                     std::string &scratch) {
    if (afterCr && bytes.starts_with('\n')) // the LF of the CR LF that ended the line before
        bytes.remove_prefix(1);
    joined = bytes.find('\n') != std::string_view::npos;
    if (joined) {
        scratch.assign(bytes);
        scratch.erase(std::remove(scratch.begin(), scratch.end(), '\n'), scratch.end());
        bytes = scratch;
    }
    return DecodeWindows1251(bytes);
}

std::size_t countCarriageReturns(std::string_view bytes) {
    std::size_t count = 0;
    for (const char *at = bytes.data(), *end = at + bytes.size();
         (at = static_cast<const char *>(std::memchr(at, '\r', std::size_t(end - at)))); ++at)
        ++count;
    return count;
}

StoryFileError tooManyLines(std::size_t lineEnds) {
    return {u"В файле истории слишком много строк.",
            u"Строк: " + DecimalText((long long)lineEnds + 1) + u", допустимо не более " +
                DecimalText(kMaxLineCount) + u"."};
}

StoryFileError tooLarge() {
    return {u"Файл истории слишком велик.",
            u"Допустимо не более " + DecimalText(kMaxStoryBytes >> 20) + u" МиБ."};
}

std::u16string errorText(int error) {
    return FromUtf8(SystemErrorText(error));
}

} // namespace

bool ParseStoryEncoding(std::string_view name, StoryEncoding &encoding) {
    std::string plain; // lower-cased, without "-" and "_"
    for (char c : name)
        if (c != '-' && c != '_')
            plain += c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    if (plain == "utf8")
        encoding = StoryEncoding::Utf8;
    else if (plain == "cp1251" || plain == "windows1251" || plain == "win1251")
        encoding = StoryEncoding::Windows1251;
    else
        return false;
    return true;
}

std::shared_ptr<const Script> EmptyScript() {
    static const std::shared_ptr<const Script> empty = [] {
        auto script = std::make_shared<Script>();
        script->lines.emplace_back();
        return script;
    }();
    return empty;
}

std::shared_ptr<const Script> DecodeScript(std::string_view bytes, StoryEncoding encoding,
                                           StoryFileError &error) {
    if (std::int64_t(bytes.size()) > kMaxStoryBytes) {
        error = tooLarge();
        return nullptr;
    }
    auto script = std::make_shared<Script>();
    Digest digest;
    digest.Add(bytes);
    script->digest = digest.Value();
    const std::string_view file = bytes;
    bool bigEndian = false;
    Utf8Reading reading;
    script->encoding = chooseEncoding(bytes, encoding, bigEndian, reading);
    std::vector<std::u16string> &lines = script->lines;
    switch (script->encoding) {
    case StoryEncoding::Utf16: {
        const std::u16string text = decodeUtf16(bytes, bigEndian);
        const std::size_t ends = countLineEnds(std::u16string_view(text));
        if (ends >= std::size_t(kMaxLineCount)) {
            error = tooManyLines(ends);
            return nullptr;
        }
        lines.reserve(ends + 2);
        splitLines(
            std::u16string_view(text),
            [](std::u16string_view line) { return std::u16string(line); }, lines);
        break;
    }
    case StoryEncoding::Utf8: {
        const std::size_t ends = countLineEnds(bytes);
        if (ends >= std::size_t(kMaxLineCount)) {
            error = tooManyLines(ends);
            return nullptr;
        }
        lines.reserve(ends + 2);
        splitLines(
            bytes, [](std::string_view line) { return FromUtf8(line); }, lines);
        break;
    }
    default: {
        const std::size_t ends = countCarriageReturns(bytes);
        if (ends >= std::size_t(kMaxLineCount)) {
            error = tooManyLines(ends);
            return nullptr;
        }
        lines.reserve(ends + 2);
        std::string scratch;
        for (;;) {
            const std::size_t cr = bytes.find('\r');
            bool joined = false;
            lines.push_back(
                decodeWindows1251Line(bytes.substr(0, cr), !lines.empty(), joined, scratch));
            if (joined)
                script->joinedLines.push_back(int(lines.size()));
            if (cr == std::string_view::npos)
                break;
            bytes.remove_prefix(cr + 1);
        }
        // UTF-8 but for a few bytes: most likely a UTF-8 story with a stray byte in it.
        if (reading.invalid > 0 && reading.sound > reading.invalid) {
            script->strayByte.line =
                int(std::min<std::size_t>(countLineEnds(file.substr(0, reading.firstInvalid)),
                                          kMaxLineCount)) +
                1;
            script->strayByte.byte = static_cast<unsigned char>(file[reading.firstInvalid]);
        }
        break;
    }
    }
    lines.emplace_back();
    for (int i = 0; i < script->LineCount(); ++i)
        if (lines[std::size_t(i)].ends_with(u':'))
            script->labels.insert_or_assign(LowerCase(lines[std::size_t(i)]), i);
    return script;
}

std::shared_ptr<const Script> ReadScript(const std::string &path, StoryEncoding encoding,
                                         StoryFileError &error) {
    const std::u16string unreadable = u"Файл истории не удалось прочитать.";
    std::string bytes;
    int systemError = 0;
    switch (ReadPlainFile(path, std::size_t(kMaxStoryBytes), bytes, systemError)) {
    case ReadTrouble::None:
        return DecodeScript(bytes, encoding, error);
    case ReadTrouble::CannotOpen:
        error = systemError == ENOENT ? StoryFileError{u"Файл истории не найден.", {}}
                                      : StoryFileError{unreadable, errorText(systemError)};
        break;
    case ReadTrouble::NotAFile:
        error = {unreadable, u"Это не файл."};
        break;
    case ReadTrouble::TooLarge:
        error = tooLarge();
        break;
    case ReadTrouble::CannotRead:
        error = {unreadable, errorText(systemError)};
        break;
    }
    return nullptr;
}

namespace {

std::shared_ptr<const Script> reported(std::shared_ptr<const Script> script,
                                       const StoryFileError &error, std::u16string_view filename,
                                       AuthorMessages &messages) {
    if (script)
        return script;
    std::u16string text = error.what + u"\rФайл:" + std::u16string(filename);
    if (!error.detail.empty())
        text += u'\r' + error.detail;
    messages.Show({u"Ошибка!", text, MessageIcon::Error, MessageKind::Fault, 0});
    return nullptr;
}

} // namespace

std::shared_ptr<const Script> LoadScript(std::string_view bytes, std::u16string_view filename,
                                         StoryEncoding encoding, AuthorMessages &messages) {
    StoryFileError error;
    return reported(DecodeScript(bytes, encoding, error), error, filename, messages);
}

std::shared_ptr<const Script> LoadScriptFile(const std::string &path, StoryEncoding encoding,
                                             AuthorMessages &messages) {
    StoryFileError error;
    return reported(ReadScript(path, encoding, error), error, FromUtf8(path), messages);
}
