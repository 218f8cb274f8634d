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

    // Each text by its name, written once for both kinds of access.
    template <typename Texts> static auto& textOf(Texts& texts, RomajiText which) noexcept
    {
        switch (which) {
        case RomajiText::Decomposition: return texts.decomposition;
        case RomajiText::Romaji: return texts.romaji;
        case RomajiText::Final: return texts.final;
        case RomajiText::History: break;
        }
        return texts.history;
    }

    std::string& operator[](RomajiText which) noexcept { return textOf(*this, which); }
    const std::string& operator[](RomajiText which) const noexcept { return textOf(*this, which); }

    friend bool operator==(const RomajiTexts&, const RomajiTexts&) = default;
};

} // namespace tavenor
