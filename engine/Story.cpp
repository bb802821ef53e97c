#include "Story.h"

#include "Text.h"

Story::Story(Console &console, AuthorMessages &messages)
    : m_console(console), m_messages(messages), m_script(EmptyScript()) {}

bool Story::LoadBytes(std::string_view bytes, std::u16string_view filename,
                      StoryEncoding encoding) {
    std::shared_ptr<const Script> script = LoadScript(bytes, filename, encoding, m_messages);
    if (!script)
        return false;
    Start(std::move(script));
    return true;
}

// Loading starts the outermost run, as each turn does; a runaway turn of an earlier one is over.
void Story::Start(std::shared_ptr<const Script> script) {
    m_script = std::move(script);
    m_run.cursor = 0;
    m_run.commandLine = 0;
    m_run.lastMessageLine = 0;
    StartTurn();
    const std::size_t floor = m_nests.size();
    ОбработкаФайла();
    Drive(floor);
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
    text += u"Строка:" + DecimalText(m_run.cursor + 1);
    return {u"Ошибка!", std::move(text), MessageIcon::Error, MessageKind::Fault, CommandLine()};
}
