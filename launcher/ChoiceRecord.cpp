#include "ChoiceRecord.h"

#include "engine/Windows1251.h"
#include "io/Files.h"

#include <filesystem>

namespace {

// A record holds one path; a longer file is no record the launcher wrote.
constexpr std::size_t kLongestRecord = 1 << 20;

std::size_t lineLength(std::string_view bytes) {
    const std::size_t end = bytes.find_first_of("\r\n");
    return end == std::string_view::npos ? bytes.size() : end;
}

} // namespace

ChoiceRecord::ChoiceRecord(std::string path) : m_path(std::move(path)) {}

bool ChoiceRecord::Read(std::u16string &chosen) {
    chosen.clear();
    m_failedToCreate = false;
    std::error_code trouble;
    if (!std::filesystem::exists(m_path, trouble) && !trouble)
        return replace({}) || !(m_failedToCreate = true);
    // A folder, a pipe or a device in the record's place is refused, never waited on.
    std::string bytes;
    if (!ReadFileAtMost(m_path, kLongestRecord, bytes, m_error))
        return false;
    chosen = Parse(bytes);
    return true;
}

bool ChoiceRecord::Write(std::u16string_view chosen) {
    if (!CanHold(chosen)) {
        m_error = "путь к файлу содержит знаки, которые запись не может сохранить";
        return false;
    }
    return replace(Format(chosen));
}

bool ChoiceRecord::replace(std::string_view bytes) {
    // The configuration folder may not exist yet at the first run; when it cannot be made, the
    // write below says why.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), ignored);
    return WriteFileAtomically(m_path, bytes, m_error);
}

std::string ChoiceRecord::Format(std::u16string_view chosen) {
    return '"' + EncodeWindows1251(chosen) + "\"\r\n";
}

bool ChoiceRecord::CanHold(std::u16string_view chosen) {
    return Parse(Format(chosen)) == chosen;
}

std::u16string ChoiceRecord::Parse(std::string_view bytes) {
    bytes.remove_prefix(std::min(bytes.find_first_not_of(' '), bytes.size()));
    std::string_view field;
    if (bytes.starts_with('"')) {
        bytes.remove_prefix(1);
        const std::size_t closing = bytes.find('"');
        // A damaged record without its closing quote still ends with its line.
        field = bytes.substr(0, closing != std::string_view::npos ? closing : lineLength(bytes));
    } else {
        field = bytes.substr(0, lineLength(bytes));
        field = field.substr(0, field.find(','));
    }
    return DecodeWindows1251(field);
}
