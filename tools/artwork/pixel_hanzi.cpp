#include "tools/artwork/pixel_hanzi.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace tavenor::artwork {
namespace {

constexpr int kSpacing = 2;

// Rows from the top; '#' is lit.
struct Glyph {
    std::string_view character;
    std::array<std::string_view, kPixelHanziSize> rows;
};

// clang-format off
constexpr Glyph kGlyphs[] = {
    {"用", {".#########.",
            ".#...#...#.",
            ".#...#...#.",
            ".#########.",
            ".#...#...#.",
            ".#...#...#.",
            ".#########.",
            ".#...#...#.",
            ".#...#...#.",
            "#....#...#.",
            "#....#..##."}},
    {"日", {"...........",
            "..#######..",
            "..#.....#..",
            "..#.....#..",
            "..#.....#..",
            "..#######..",
            "..#.....#..",
            "..#.....#..",
            "..#.....#..",
            "..#######..",
            "..........."}},
    {"语", {".#..#######",
            "..#...#....",
            "......####.",
            "##....#..#.",
            ".#..#######",
            ".#.........",
            ".#...#####.",
            ".#...#...#.",
            ".#.#.#...#.",
            ".##..#####.",
            "..........."}},
    {"唱", {".....#####.",
            ".....#...#.",
            ".....#####.",
            "###..#...#.",
            "#.#..#####.",
            "#.#........",
            "#.#.#######",
            "###.#.....#",
            "....#######",
            "....#.....#",
            "....#######"}},
    {"中", {".....#.....",
            ".....#.....",
            ".#########.",
            ".#...#...#.",
            ".#...#...#.",
            ".#...#...#.",
            ".#########.",
            ".....#.....",
            ".....#.....",
            ".....#.....",
            ".....#....."}},
    {"文", {".....#.....",
            "......#....",
            "###########",
            "..#.....#..",
            "..#.....#..",
            "...#...#...",
            "....#.#....",
            ".....#.....",
            "....#.#....",
            "..##...##..",
            "##.......##"}},
};
// clang-format on

// Bytes of the UTF-8 character that starts with `lead`.
std::size_t sequenceLength(char lead)
{
    const auto byte = static_cast<unsigned char>(lead);
    return byte < 0xC0 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
}

template <typename Visit> void forEachCharacter(std::string_view text, Visit visit)
{
    while (!text.empty()) {
        const std::size_t length = std::min(sequenceLength(text.front()), text.size());
        visit(text.substr(0, length));
        text.remove_prefix(length);
    }
}

const Glyph* glyphOf(std::string_view character)
{
    const auto found
        = std::find_if(std::begin(kGlyphs), std::end(kGlyphs),
                       [character](const Glyph& glyph) { return glyph.character == character; });
    return found != std::end(kGlyphs) ? found : nullptr;
}

} // namespace

int pixelHanziWidth(std::string_view text)
{
    int count = 0;
    forEachCharacter(text, [&count](std::string_view) { ++count; });
    return count == 0 ? 0 : count * (kPixelHanziSize + kSpacing) - kSpacing;
}

void forEachPixelOfHanzi(std::string_view text,
                         const std::function<void(int column, int row)>& paint)
{
    int left = 0;
    forEachCharacter(text, [&](std::string_view character) {
        if (const Glyph* glyph = glyphOf(character)) {
            for (int row = 0; row < kPixelHanziSize; ++row) {
                const std::string_view pixels = glyph->rows[static_cast<std::size_t>(row)];
                for (std::size_t column = 0; column < pixels.size(); ++column) {
                    if (pixels[column] == '#')
                        paint(left + static_cast<int>(column), row);
                }
            }
        }
        left += kPixelHanziSize + kSpacing;
    });
}

} // namespace tavenor::artwork
