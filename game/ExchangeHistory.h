#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What the console showed after the opening and after each entry of a game, exchange by
// exchange. Once the exchanges kept pass the most characters allowed, the oldest are forgotten
// (left empty; the newest is always kept), so that an endless game, or one of enormous turns,
// fits in memory, also while it is being played again.
class ExchangeHistory {
public:
    static constexpr std::size_t kMostCharacters = 32 << 20;
    explicit ExchangeHistory(std::size_t mostCharacters = kMostCharacters)
        : m_most(mostCharacters) {}

    void Clear() { KeepFirst(0); }
    // Drops the exchanges from `count` on: the turns that could have been redone.
    void KeepFirst(std::size_t count);
    void Add(std::u16string exchange);
    // The exchanges of a later part of the game, as if each had been added in turn.
    void Append(ExchangeHistory later);

    const std::vector<std::u16string> &Exchanges() const { return m_exchanges; }
    // How many exchanges at the start were forgotten.
    std::size_t Forgotten() const { return m_forgotten; }
    std::size_t Characters() const { return m_characters; }

private:
    std::size_t m_most;
    std::vector<std::u16string> m_exchanges;
    std::size_t m_characters = 0;
    std::size_t m_forgotten = 0;
};
