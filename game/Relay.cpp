#include "Relay.h"

#include "ScreenText.h"
#include "engine/Digest.h"

#include <utility>

void Relay::Reveal(bool atEnd) {
    m_muted = false;
    m_console.ClearText();
    m_console.AddText(m_screen);
    if (!m_input.empty())
        m_console.RefillInput(m_input);
    if (atEnd)
        m_console.ShowEnd();
}

void Relay::StartAnswer() {
    m_answer = Digest().Value();
    m_cleared = false;
    m_messageCount = 0;
    m_messages.StartTurn();
}

std::uint32_t Relay::AnswerDigest() const {
    return std::uint32_t(m_answer ^ (m_answer >> 32));
}

void Relay::digest(std::u16string_view text) {
    Digest digest(m_answer);
    digest.Add(text);
    m_answer = digest.Value();
}

void Relay::keep(std::u16string_view text) {
    m_screen += text;
    if (m_screen.size() > 2 * kMostShown) {
        m_screen.erase(0, m_screen.size() - kMostShown);
        m_cut = true;
        m_answerStart = 0; // the echo went with the start
    }
}

void Relay::AddText(std::u16string_view text) {
    digest(text);
    m_afterEcho = false;
    keep(text);
    if (!m_muted)
        m_console.AddText(text);
}

void Relay::Enter() {
    digest(u"\r\n");
    keep(u"\r\n");
    if (std::exchange(m_afterEcho, false))
        m_answerStart = m_screen.size();
    if (!m_muted)
        m_console.Enter();
}

std::u16string Relay::Exchange() const {
    return m_echoCleared ? m_echo + u"\r\n\r\n" + m_screen : m_screen;
}

void Relay::ClearText() {
    digest(u"\f");
    m_echoCleared = !m_echo.empty();
    m_cleared = true;
    m_screen.clear();
    m_cut = false;
    m_answerStart = 0;
    m_afterEcho = false;
    if (!m_muted)
        m_console.ClearText();
}

void Relay::EraseForTurn() {
    m_screen.clear();
    m_cut = false;
    m_answerStart = 0;
    m_afterEcho = false;
    m_input.clear();
    m_echo.clear();
    m_echoCleared = false;
    if (!m_muted)
        m_console.EraseForTurn();
}

void Relay::EchoTyped(std::u16string_view echo) {
    m_echo = echo;
    keep(echo);
    keep(u"\r\n");
    m_answerStart = m_screen.size();
    m_afterEcho = true;
    if (!m_muted)
        m_console.EchoTyped(echo);
}

void Relay::ShowEnd() {
    if (!m_muted)
        m_console.ShowEnd();
}

void Relay::RefillInput(std::u16string_view text) {
    m_input = text;
    if (!m_muted)
        m_console.RefillInput(text);
}

void Relay::Show(const AuthorMessage &message) {
    digest(message.title);
    digest(message.text);
    ++m_messageCount;
    if (!m_muted)
        m_messages.Pass(message);
}
