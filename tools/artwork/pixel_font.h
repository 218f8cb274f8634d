#pragma once

#include <functional>
#include <string_view>

namespace tavenor::artwork {

// A built-in proportional pixel font, so the artwork never depends on the fonts of the machine
// that draws it. Capitals and digits are 7 font pixels tall; descenders add 2 more.
constexpr int kPixelFontHeight = 9;

// Width of `text` in font pixels, including one pixel of spacing between characters.
int pixelTextWidth(std::string_view text);

// Calls `paint(column, row)` for every lit font pixel of `text`, counted from its top-left.
// Characters the font lacks are drawn as spaces.
void forEachPixelOfText(std::string_view text,
                        const std::function<void(int column, int row)>& paint);

} // namespace tavenor::artwork
