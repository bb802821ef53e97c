#include "ExchangeHistory.h"

#include <algorithm>

void ExchangeHistory::KeepFirst(std::size_t count) {
    for (std::size_t i = count; i < m_exchanges.size(); ++i)
        m_characters -= m_exchanges[i].size();
    m_exchanges.resize(std::min(count, m_exchanges.size()));
    m_forgotten = std::min(m_forgotten, m_exchanges.size());
}

void ExchangeHistory::Add(std::u16string exchange) {
    m_characters += exchange.size();
    m_exchanges.push_back(std::move(exchange));
    while (m_characters > m_most && m_forgotten + 1 < m_exchanges.size()) {
        m_characters -= m_exchanges[m_forgotten].size();
        std::u16string().swap(m_exchanges[m_forgotten++]);
    }
}
