#include "Story.h"

#include "Text.h"

Story::Story(Console &console, AuthorMessages &messages)
    : m_console(console), m_messages(messages), m_script(EmptyScript()) {}

bool Story::LoadFile(const std::string &path, StoryEncoding encoding) {
    StoryFileError error;
    std::shared_ptr<const Script> script = ReadScript(path, encoding, error);
    if (!script) {
        ReportFileError(error, FromUtf8(path));
        return false;
    }
    Start(std::move(script));
    return true;
}

bool Story::LoadBytes(std::string_view bytes, std::u16string_view filename,
                      StoryEncoding encoding) {
    StoryFileError error;
    std::shared_ptr<const Script> script = DecodeScript(bytes, encoding, error);
    if (!script) {
        ReportFileError(error, filename);
        return false;
    }
    Start(std::move(script));
    return true;
}

void Story::ReportFileError(const StoryFileError &error, std::u16string_view filename) {
    std::u16string text = error.what + u"\rФайл:" + std::u16string(filename);
    if (!error.detail.empty())
        text += u'\r' + error.detail;
    m_messages.Show({u"Ошибка!", text, MessageIcon::Error, MessageKind::Fault, 0});
}

void Story::Start(std::shared_ptr<const Script> script) {
    m_script = std::move(script);
    m_cursor = 0;
    m_commandLine = 0;
    m_lastMessageLine = 0;
    StartOuterRun();
}

// A story's faults are told in one form, so an author learns to read them at a glance:
// what is wrong, the parameter as written, what was expected, and the line of the script.
void Story::ReportBadCommand(std::u16string_view what, std::u16string_view parameter,
                             std::u16string_view required) {
    Tell(BadCommandMessage(what, parameter, required));
}

AuthorMessage Story::BadCommandMessage(std::u16string_view what, std::u16string_view parameter,
                                       std::u16string_view required) const {
    std::u16string text(what);
    text += u"\rПараметр:";
    text += parameter.empty() ? u" отсутствует" : parameter;
    text += u'\r';
    if (!required.empty()) {
        text += u"Требуется: ";
        text += required;
        text += u'\r';
    }
    text += u"Строка:" + DecimalText(m_cursor + 1);
    return {u"Ошибка!", std::move(text), MessageIcon::Error, MessageKind::Fault, CommandLine()};
}

// Loading and each turn start the outermost run; a runaway turn of an earlier one is over.
void Story::StartOuterRun() {
    StartTurnBudget();
    ОбработкаФайла();
}
