#pragma once

#include <array>
#include <string>

namespace tavenor {

// The four texts of a conversion, by name.
enum class RomajiText { Decomposition, Romaji, Final, History };

constexpr std::array<RomajiText, 4> kRomajiTexts{RomajiText::Decomposition, RomajiText::Romaji,
                                                 RomajiText::Final, RomajiText::History};

// What one conversion writes: the three result boxes' whole texts, and what it adds to the
// history box.
struct RomajiTexts {
    std::string decomposition;
    std::string romaji;
    std::string final;
    std::string history;

    std::string& operator[](RomajiText which) noexcept
    {
        switch (which) {
        case RomajiText::Decomposition: return decomposition;
        case RomajiText::Romaji: return romaji;
        case RomajiText::Final: return final;
        case RomajiText::History: break;
        }
        return history;
    }

    friend bool operator==(const RomajiTexts&, const RomajiTexts&) = default;
};

} // namespace tavenor
