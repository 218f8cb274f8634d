#include "text/bytes_at_a_time.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace tavenor {
namespace {

// The tests of eight bytes at once that the loops use, each with its meaning for one byte.
struct ByteRule {
    const char* name;
    bool (*allPass)(EightBytes);
    bool (*passes)(unsigned char);
};

const ByteRule kRules[] = {
    {"Ascii", [](EightBytes e) { return e.allAscii(); }, [](unsigned char b) { return b < 0x80; }},
    {"AsciiWithoutCr", [](EightBytes e) { return e.allAscii() && !e.any('\r'); },
     [](unsigned char b) { return b < 0x80 && b != '\r'; }},
    {"NoJsonEscape", [](EightBytes e) { return !e.anyBelow(0x20) && !e.any('"') && !e.any('\\'); },
     [](unsigned char b) { return b >= 0x20 && b != '"' && b != '\\'; }},
    {"NoneBelow0x80", [](EightBytes e) { return !e.anyBelow(0x80); },
     [](unsigned char b) { return b >= 0x80; }},
    {"NoNul", [](EightBytes e) { return !e.any(0); }, [](unsigned char b) { return b != 0; }},
    {"NoFf", [](EightBytes e) { return !e.any(0xFF); }, [](unsigned char b) { return b != 0xFF; }},
};

// Seeded texts of bytes where the rules change, with long runs that pass, so that both the step
// of eight and the step of one are taken, and characters that reach past a step's end.
std::vector<std::string> randomTexts()
{
    const unsigned char edges[] = {0x00, 0x01, 0x0D, 0x0A, 0x1F, 0x20, 0x21, '"',  '\\',
                                   'a',  0x7F, 0x80, 0x81, 0xC4, 0xFE, 0xFF, 0x5B, 0x5D};
    std::mt19937 random(20261210);
    std::vector<std::string> texts;
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        const std::size_t length = random() % 40;
        while (text.size() < length) {
            if (random() % 4 == 0)
                text.append(random() % 20, random() % 2 == 0 ? 'a' : '\xC4');
            else if (random() % 3 == 0)
                text += static_cast<char>(random() % 256);
            else
                text += static_cast<char>(edges[random() % std::size(edges)]);
        }
        texts.push_back(text);
    }
    return texts;
}

TEST(WalkEightAtATime, TakesWhatAWalkOneAtATimeTakes)
{
    const std::vector<std::string> texts = randomTexts();
    for (const ByteRule& rule : kRules) {
        for (const std::string& text : texts) {
            // A byte that passes is copied; another is a character of one to three bytes shown
            // by its first, and 0x5D stops the walk.
            const auto takeOne = [&text, &rule](std::string& out) {
                return [&text, &rule, &out](std::size_t i) -> std::size_t {
                    const auto byte = static_cast<unsigned char>(text[i]);
                    if (rule.passes(byte)) {
                        out += text[i];
                        return i + 1;
                    }
                    if (byte == 0x5D)
                        return text.size();
                    out += '<' + std::to_string(byte) + '>';
                    return std::min(text.size(), i + 1 + byte % 3);
                };
            };
            std::string fast;
            WalkEightAtATime(
                text, rule.allPass,
                [&fast](EightBytes eight) {
                    char bytes[8];
                    eight.store(bytes);
                    fast.append(bytes, 8);
                },
                takeOne(fast));
            std::string plain;
            WalkOneAtATime(text, takeOne(plain));
            ASSERT_EQ(fast, plain) << rule.name << " over " << testing::PrintToString(text);
            for (std::size_t i = 0; i + 8 <= text.size(); ++i) {
                const bool allPass = std::all_of(
                    text.begin() + static_cast<std::ptrdiff_t>(i),
                    text.begin() + static_cast<std::ptrdiff_t>(i + 8),
                    [&rule](char c) { return rule.passes(static_cast<unsigned char>(c)); });
                ASSERT_EQ(rule.allPass(EightBytes::Load(text.data() + i)), allPass)
                    << rule.name << " at " << i << " of " << testing::PrintToString(text);
            }
        }
    }
}

} // namespace
} // namespace tavenor
