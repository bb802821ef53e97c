#include "Transcript.h"

#include "engine/Text.h"

void AppendTranscript(std::u16string_view text, std::string &out) {
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find(u"\r\n", start);
        if (end == std::u16string_view::npos)
            end = text.size();
        AppendUtf8(text.substr(start, end - start), out);
        if (end < text.size())
            out += '\n';
        start = end + 2;
    }
}

std::u16string MessageRecord(const AuthorMessage &message, std::u16string_view story) {
    std::u16string text;
    if (!story.empty()) {
        text = story;
        if (message.line > 0)
            text += u':' + DecimalText(message.line);
        text += u": ";
    }
    text += u'[' + message.title + u"] " + message.text + u'\n';
    for (char16_t &c : text)
        if (c == u'\r')
            c = u'\n';
    return text;
}

// A record starts on a line of its own.
void TranscriptRecorder::Show(const AuthorMessage &message) {
    if (!m_text.empty() && !m_text.ends_with('\n'))
        m_text += '\n';
    AppendTranscript(MessageRecord(message), m_text);
}
