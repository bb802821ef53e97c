#pragma once

#include <cstdint>
#include <string_view>

// A 64-bit FNV-1a digest: enough to tell one story file, or one turn's answer, from another.
// It is no defence against a forger, and needs to be none.
class Digest {
public:
    Digest() = default;
    // Goes on from the value of an earlier digest.
    explicit Digest(std::uint64_t value) : m_value(value) {}

    void Add(std::string_view bytes) {
        for (unsigned char byte : bytes)
            m_value = (m_value ^ byte) * 0x100000001b3ULL;
    }
    void Add(std::u16string_view text) {
        for (char16_t unit : text) {
            m_value = (m_value ^ (unit & 0xFF)) * 0x100000001b3ULL;
            m_value = (m_value ^ (unit >> 8)) * 0x100000001b3ULL;
        }
    }
    std::uint64_t Value() const { return m_value; }

private:
    std::uint64_t m_value = 0xcbf29ce484222325ULL;
};
