#pragma once

#include <string>

namespace tavenor {

// What one conversion writes: the three result boxes' whole texts, and what it adds to the
// history box.
struct RomajiTexts {
    std::string decomposition;
    std::string romaji;
    std::string final;
    std::string history;

    friend bool operator==(const RomajiTexts&, const RomajiTexts&) = default;
};

} // namespace tavenor
