#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tavenor {

// Short texts copied in blocks of a fixed size, so that each block's copy is a memcpy of a size
// known when compiling, which the compiler inlines: the last block may read up to kCopyBlock - 1
// bytes past the end of from and write as many past the end of to, so both sides keep that room.
constexpr std::size_t kCopyBlock = 16;

inline void CopyInBlocks(const char* from, std::size_t count, char* to) noexcept
{
    for (std::size_t i = 0; i < count; i += kCopyBlock)
        std::memcpy(to + i, from + i, kCopyBlock);
}

// Eight bytes of a text tested at once, as one integer: most bytes of a box text are ASCII that
// passes unchanged, so a loop takes eight such bytes a step and goes byte by byte only where one
// of them needs more.
class EightBytes {
public:
    static EightBytes Load(const char* bytes) noexcept
    {
        EightBytes eight;
        std::memcpy(&eight.m_bits, bytes, 8);
        return eight;
    }

    void store(char* bytes) const noexcept { std::memcpy(bytes, &m_bits, 8); }

    bool allAscii() const noexcept { return (m_bits & kHighBits) == 0; }

    // Whether any byte is below n (at most 0x80).
    bool anyBelow(unsigned char n) const noexcept
    {
        return ((m_bits - kLowBits * n) & ~m_bits & kHighBits) != 0;
    }

    bool any(unsigned char b) const noexcept
    {
        EightBytes zeroWhereEqual;
        zeroWhereEqual.m_bits = m_bits ^ (kLowBits * b);
        return zeroWhereEqual.anyBelow(1);
    }

private:
    static constexpr std::uint64_t kLowBits = 0x0101010101010101;
    static constexpr std::uint64_t kHighBits = 0x8080808080808080;

    std::uint64_t m_bits = 0;
};

// Walks text eight bytes a step where it can. Where the eight bytes at the step all pass
// (allPass(eight)), takeEight(eight) takes them at once; otherwise takeOne(i) takes the character
// at i and returns where the next one starts (the text's size to stop), until the step's bytes are
// taken. takeEight must do with eight bytes that pass what takeOne does with each of them.
template <typename AllPass, typename TakeEight, typename TakeOne>
void WalkEightAtATime(std::string_view text, AllPass allPass, TakeEight takeEight, TakeOne takeOne)
{
    std::size_t i = 0;
    while (i < text.size()) {
        if (i + 8 <= text.size()) {
            const EightBytes eight = EightBytes::Load(text.data() + i);
            if (allPass(eight)) {
                takeEight(eight);
                i += 8;
                continue;
            }
        }
        for (const std::size_t end = std::min(i + 8, text.size()); i < end;)
            i = takeOne(i);
    }
}

// The same walk a character at a time, with no shortcut: what WalkEightAtATime gives, as the
// tests check.
template <typename TakeOne> void WalkOneAtATime(std::string_view text, TakeOne takeOne)
{
    for (std::size_t i = 0; i < text.size();)
        i = takeOne(i);
}

} // namespace tavenor
