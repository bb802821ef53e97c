#include "MessageGate.h"

#include "engine/Text.h"

namespace {

// A message's text, cut on a character rather than between the halves of one.
std::u16string Shortened(const std::u16string &text) {
    std::size_t kept = MessageGate::kLongestText;
    if (text[kept - 1] >= 0xD800 && text[kept - 1] <= 0xDBFF)
        --kept;
    return text.substr(0, kept) + u"…\r(Сообщение сокращено; всего знаков в нём: " +
           DecimalText(static_cast<long long>(text.size())) + u".)";
}

} // namespace

void MessageGate::Pass(const AuthorMessage &message) {
    if (m_passed >= kMostPerTurn && !message.stopsTurn) {
        ++m_held;
        return;
    }
    ++m_passed;
    if (message.text.size() <= kLongestText && message.title.size() <= kLongestText) {
        m_host.Show(message);
        return;
    }
    AuthorMessage shown = message;
    if (shown.title.size() > kLongestText)
        shown.title = Shortened(shown.title);
    if (shown.text.size() > kLongestText)
        shown.text = Shortened(shown.text);
    m_host.Show(shown);
}

void MessageGate::EndTurn() {
    if (m_held == 0)
        return;
    m_host.Show({kApplicationTitle,
                 u"Сообщений автору за этот ход больше, чем можно показать; не показано: " +
                     DecimalText(m_held) + u".",
                 MessageIcon::Exclamation, MessageKind::Fault, 0});
    m_held = 0;
}
