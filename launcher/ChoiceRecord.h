#pragma once

#include <string>
#include <string_view>

// The story the player chose last, remembered between runs: one line, the full path in double
// quotes followed by CR LF, in Windows-1251 like the stories; "" for no choice. The record is
// opened, read or written, and closed at once, and replaced whole, so that a crash or a full
// disk never leaves half a record behind: a record that cannot be written keeps the old one.
class ChoiceRecord {
public:
    // Tests give a record of their own; the program uses DefaultPath.
    explicit ChoiceRecord(std::string path);

    // special1.tmp in the user's configuration folder for this program.
    static std::string DefaultPath();
    const std::string &path() const { return m_path; }

    // The remembered choice, empty for none. A missing record is created empty. False when the
    // record could not be read or created; ErrorString says why.
    bool Read(std::u16string &chosen);
    // False when the choice could not be remembered, with the old record left as it was;
    // ErrorString says why.
    bool Write(std::u16string_view chosen);
    // Why the last Read or Write failed, in UTF-8.
    const std::string &ErrorString() const { return m_error; }
    // Whether the last Read failed making a missing record rather than reading one.
    bool FailedToCreate() const { return m_failedToCreate; }

    static std::string Format(std::u16string_view chosen);
    // The first field of the record: after leading spaces, the text between a double quote and
    // the next one (or the line's end, in a record cut short), or without quotes the text up to
    // the first comma or line end.
    static std::u16string Parse(std::string_view bytes);
    // Whether the record can hold this path and give it back unchanged.
    static bool CanHold(std::u16string_view chosen);

private:
    bool replace(std::string_view bytes);

    std::string m_path;
    std::string m_error;
    bool m_failedToCreate = false;
};
