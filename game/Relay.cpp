#include "Relay.h"

#include "ScreenText.h"
#include "engine/Digest.h"

#include <utility>

void Relay::Reveal(bool atEnd) {
    m_muted = false;
    m_console.ClearText();
    m_console.AddText(m_shown.screen);
    if (!m_shown.input.empty())
        m_console.RefillInput(m_shown.input);
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
    m_shown.screen += text;
    if (m_shown.screen.size() > 2 * kMostShown) {
        m_shown.screen.erase(0, m_shown.screen.size() - kMostShown);
        m_shown.cut = true;
        m_shown.answerStart = 0; // the echo went with the start
    }
}

void Relay::AddText(std::u16string_view text) {
    digest(text);
    m_shown.afterEcho = false;
    keep(text);
    if (!m_muted)
        m_console.AddText(text);
}

void Relay::Enter() {
    digest(u"\r\n");
    keep(u"\r\n");
    if (std::exchange(m_shown.afterEcho, false))
        m_shown.answerStart = m_shown.screen.size();
    if (!m_muted)
        m_console.Enter();
}

std::u16string Relay::Exchange() const {
    return m_shown.echoCleared ? m_shown.echo + u"\r\n\r\n" + m_shown.screen : m_shown.screen;
}

void Relay::ClearText() {
    digest(u"\f");
    m_shown.echoCleared = !m_shown.echo.empty();
    m_cleared = true;
    m_shown.screen.clear();
    m_shown.cut = false;
    m_shown.answerStart = 0;
    m_shown.afterEcho = false;
    if (!m_muted)
        m_console.ClearText();
}

void Relay::EraseForTurn() {
    Forget();
    if (!m_muted)
        m_console.EraseForTurn();
}

void Relay::EchoTyped(std::u16string_view echo) {
    m_shown.echo = echo;
    keep(echo);
    keep(u"\r\n");
    m_shown.answerStart = m_shown.screen.size();
    m_shown.afterEcho = true;
    if (!m_muted)
        m_console.EchoTyped(echo);
}

void Relay::ShowEnd() {
    if (!m_muted)
        m_console.ShowEnd();
}

void Relay::RefillInput(std::u16string_view text) {
    m_shown.input = text;
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
