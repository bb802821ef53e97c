#pragma once

#include "engine/AuthorMessages.h"

#include <cstddef>

// How much of what a story tells its author reaches a host, the same in the game window, the
// terminal and the page. A story that loops through a faulty line may report a million boxes in
// one turn, and a message may quote a word ten megabytes long: the author learns of each fault
// without a host drowning in them.
// - At most kMostPerTurn messages of a turn (or of an opening) are passed on; at the end of the
//   turn one more says how many were held back.
// - A message longer than kLongestText characters is cut, with a note of its length.
// - The box that says the turn was stopped is passed on whatever the count.
class MessageGate {
public:
    static constexpr int kMostPerTurn = 1000;
    static constexpr std::size_t kLongestText = 100'000;

    explicit MessageGate(AuthorMessages &host) : m_host(host) {}

    void StartTurn() { m_passed = m_held = 0; }
    void Pass(const AuthorMessage &message);
    // Tells the host how many of the turn's messages were held back, if any.
    void EndTurn();

private:
    AuthorMessages &m_host;
    int m_passed = 0;
    long long m_held = 0;
};
