#pragma once

#include <functional>
#include <string_view>

namespace tavenor::artwork {

// A few Chinese characters drawn pixel by pixel, kPixelHanziSize square, for the splash picture's
// text: like the Latin pixel font, it never depends on the fonts of the machine that draws.
constexpr int kPixelHanziSize = 11;

// Width of the UTF-8 `text` in pixels, spacing between its characters included.
int pixelHanziWidth(std::string_view text);

// Calls `paint(column, row)` for every lit pixel of the UTF-8 `text`, counted from its top-left.
// Characters the font lacks are drawn as blanks.
void forEachPixelOfHanzi(std::string_view text,
                         const std::function<void(int column, int row)>& paint);

} // namespace tavenor::artwork
