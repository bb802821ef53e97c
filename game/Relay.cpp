#include "Relay.h"

#include "engine/Digest.h"

void Relay::SetMuted(bool muted) {
    m_muted = muted;
    m_screen.clear();
    m_input.clear();
}

void Relay::Reveal(bool atEnd) {
    m_muted = false;
    m_console.ClearText();
    m_console.AddText(m_screen);
    if (!m_input.empty())
        m_console.RefillInput(m_input);
    if (atEnd)
        m_console.ShowEnd();
    m_screen.clear();
    m_input.clear();
}

void Relay::StartAnswer() {
    m_answer = Digest().Value();
}

std::uint32_t Relay::Answer() const {
    return std::uint32_t(m_answer ^ (m_answer >> 32));
}

void Relay::digest(std::u16string_view text) {
    Digest digest(m_answer);
    digest.Add(text);
    m_answer = digest.Value();
}

void Relay::AddText(std::u16string_view text) {
    digest(text);
    if (m_muted)
        m_screen += text;
    else
        m_console.AddText(text);
}

void Relay::Enter() {
    digest(u"\r\n");
    if (m_muted)
        m_screen += u"\r\n";
    else
        m_console.Enter();
}

void Relay::ClearText() {
    digest(u"\f");
    if (m_muted)
        m_screen.clear();
    else
        m_console.ClearText();
}

void Relay::EraseForTurn() {
    m_input.clear();
    if (m_muted)
        m_screen.clear();
    else
        m_console.EraseForTurn();
}

void Relay::EchoTyped(std::u16string_view echo) {
    if (!m_muted) {
        m_console.EchoTyped(echo);
        return;
    }
    m_screen += echo;
    m_screen += u"\r\n";
}

void Relay::ShowEnd() {
    if (!m_muted)
        m_console.ShowEnd();
}

void Relay::RefillInput(std::u16string_view text) {
    if (m_muted)
        m_input = text;
    else
        m_console.RefillInput(text);
}

void Relay::Show(const AuthorMessage &message) {
    digest(message.title);
    digest(message.text);
    if (!m_muted)
        m_messages.Show(message);
}
