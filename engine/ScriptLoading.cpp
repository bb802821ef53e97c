#include "Digest.h"
#include "Script.h"
#include "Text.h"
#include "Windows1251.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

StoryEncoding chooseEncoding(std::string_view &bytes, StoryEncoding asked) {
    const bool marked = bytes.substr(0, 3) == kByteOrderMark;
    if (asked == StoryEncoding::Detect) {
        const bool high = std::any_of(bytes.begin(), bytes.end(),
                                      [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
        asked = marked || (high && IsValidUtf8(bytes)) ? StoryEncoding::Utf8
                                                       : StoryEncoding::Windows1251;
    }
    if (asked == StoryEncoding::Utf8 && marked)
        bytes.remove_prefix(kByteOrderMark.size());
    return asked;
}

// One line's bytes, its LFs dropped, as characters. The line is stored at its exact size: the
// whole table of a story of many megabytes is alive at once.
std::u16string decodeLine(std::string_view bytes, StoryEncoding encoding, std::string &scratch) {
    if (bytes.starts_with('\n')) // the LF of the CR LF that ended the line before
        bytes.remove_prefix(1);
    if (bytes.find('\n') != std::string_view::npos) {
        scratch.assign(bytes);
        scratch.erase(std::remove(scratch.begin(), scratch.end(), '\n'), scratch.end());
        bytes = scratch;
    }
    return encoding == StoryEncoding::Utf8 ? FromUtf8(bytes) : DecodeWindows1251(bytes);
}

std::size_t countLineBreaks(std::string_view bytes) {
    std::size_t count = 0;
    for (const char *at = bytes.data(), *end = at + bytes.size();
         (at = static_cast<const char *>(std::memchr(at, '\r', std::size_t(end - at)))); ++at)
        ++count;
    return count;
}

StoryFileError tooLarge() {
    return {u"Файл истории слишком велик.",
            u"Допустимо не более " + DecimalText(kMaxStoryBytes >> 20) + u" МиБ."};
}

std::u16string errorText(int error) {
    return FromUtf8(std::strerror(error));
}

// The file's bytes until the end or until at least `limit` of them are in, whatever size it
// claims (`expected`). Reads are whole chunks: a file such as /proc/self/pagemap refuses a read
// of an odd size, and must be found too large rather than unreadable.
bool readAtMost(int fd, std::size_t limit, std::size_t expected, std::string &bytes,
                StoryFileError &error) {
    bytes.reserve(std::min(expected, limit));
    char chunk[1 << 16];
    while (bytes.size() < limit) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got == 0)
            return true;
        if (got < 0 && errno != EINTR) {
            error = {u"Файл истории не удалось прочитать.", errorText(errno)};
            return false;
        }
        if (got > 0)
            bytes.append(chunk, std::size_t(got));
    }
    return true;
}

} // namespace

bool ParseStoryEncoding(std::string_view name, StoryEncoding &encoding) {
    if (name == "utf-8" || name == "utf8")
        encoding = StoryEncoding::Utf8;
    else if (name == "cp1251" || name == "windows-1251")
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
    const std::size_t crCount = countLineBreaks(bytes);
    if (crCount >= std::size_t(kMaxLineCount)) {
        error = {u"В файле истории слишком много строк.",
                 u"Строк: " + DecimalText((long long)crCount + 1) + u", допустимо не более " +
                     DecimalText(kMaxLineCount) + u"."};
        return nullptr;
    }
    auto script = std::make_shared<Script>();
    Digest digest;
    digest.Add(bytes);
    script->digest = digest.Value();
    script->encoding = chooseEncoding(bytes, encoding);
    script->lines.reserve(crCount + 2);
    std::string scratch;
    for (;;) {
        const std::size_t cr = bytes.find('\r');
        script->lines.push_back(decodeLine(bytes.substr(0, cr), script->encoding, scratch));
        if (cr == std::string_view::npos)
            break;
        bytes.remove_prefix(cr + 1);
    }
    script->lines.emplace_back();
    for (int i = 0; i < script->LineCount(); ++i)
        if (script->lines[i].ends_with(u':'))
            script->labels.insert_or_assign(LowerCase(script->lines[i]), i);
    return script;
}

// Opening for reading never creates the file: a mistyped path must not leave an empty story.
// Only a plain file is read, so that a pipe or a device can neither stall the program nor
// exhaust its memory, and never more than the largest story and one chunk, so that a file
// that lies about its size, or grows while it is read, cannot either.
std::shared_ptr<const Script> ReadScript(const std::string &path, StoryEncoding encoding,
                                         StoryFileError &error) {
    const std::u16string unreadable = u"Файл истории не удалось прочитать.";
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno == ENOENT ? StoryFileError{u"Файл истории не найден.", {}}
                                : StoryFileError{unreadable, errorText(errno)};
        return nullptr;
    }
    struct stat info;
    std::string bytes;
    bool sound = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (!sound)
        error = {unreadable, u"Это не файл."};
    else if (info.st_size > kMaxStoryBytes)
        error = tooLarge(), sound = false;
    else
        sound = readAtMost(fd, std::size_t(kMaxStoryBytes) + 1, std::size_t(info.st_size), bytes,
                           error);
    close(fd);
    if (!sound)
        return nullptr;
    return DecodeScript(bytes, encoding, error);
}
