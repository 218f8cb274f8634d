#pragma once

#include <string>

namespace tavenor {

struct SyllableRecord {
    std::string pinyin;
    std::string romaji;
    std::string phonemes;

    friend bool operator==(const SyllableRecord&, const SyllableRecord&) = default;
};

} // namespace tavenor
