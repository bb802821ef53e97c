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

// The later part forgot its oldest exchanges only once all of this one's were forgotten.
void ExchangeHistory::Append(ExchangeHistory later) {
    if (later.m_forgotten > 0) {
        for (std::u16string &exchange : m_exchanges)
            std::u16string().swap(exchange);
        m_characters = 0;
        m_forgotten = m_exchanges.size() + later.m_forgotten;
    }
    for (std::size_t i = 0; i < later.m_exchanges.size(); ++i) {
        if (i < later.m_forgotten)
            m_exchanges.emplace_back();
        else
            Add(std::move(later.m_exchanges[i]));
    }
}
