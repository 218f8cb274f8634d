#include "tools/artwork/pixel_figures.h"

#include <array>
#include <string_view>

namespace tavenor::artwork {
namespace {

using Art = std::array<std::string_view, kFigureHeight>;

// One letter a colour; '.' is transparent. Hair (H h l), clothes (C c) and accent (A a) differ
// from figure to figure; the rest is shared.
struct Colour {
    char key;
    QRgb rgb;
};

constexpr Colour kSharedColours[] = {
    {'o', qRgb(28, 18, 40)}, // outline
    {'S', qRgb(255, 218, 184)}, // skin
    {'e', qRgb(44, 40, 96)}, // eyes
    {'w', qRgb(255, 255, 255)}, // glint in the eyes
    {'p', qRgb(255, 150, 160)}, // blush
    {'m', qRgb(190, 60, 80)}, // open, singing mouth
    {'L', qRgb(52, 40, 70)}, // legs
    {'B', qRgb(90, 70, 110)}, // shoes
};

struct Figure {
    Art art;
    std::array<Colour, 7> colours;
};

// clang-format off
constexpr Figure kFigures[] = {
    {{ // ponytail
        "..................",
        "......oooooo......",
        "....ooHHHHHHoo....",
        "...oHHHHHHHHlHoo..",
        "..oHHHHHHHHHHlAAo.",
        "..oHHHHHHHHHHHHoHo",
        "..oHHhHHHHHHhHHoHo",
        "..oHhSShHHhSShHoho",
        "..oHSSSSSSSSSSHoHo",
        "..oHSewSSSSweSHoHo",
        "..oHSeeSSSSeeSHoho",
        "...oSpSSmmSSpSooHo",
        "....ooSSSSSSoo.oho",
        ".......oAAo.....o.",
        "......oCAACo......",
        ".....oCCCCCCo.....",
        "....oCoCCCCoCo....",
        "....oSocCCcoSo....",
        ".....occcccco.....",
        "....occcccccco....",
        ".....oLo..oLo.....",
        ".....oBo..oBo.....",
    }, {{{'H', qRgb(122, 74, 42)}, {'h', qRgb(90, 50, 28)}, {'l', qRgb(168, 112, 63)},
         {'C', qRgb(255, 140, 58)}, {'c', qRgb(208, 96, 42)}, {'A', qRgb(230, 48, 64)},
         {'a', qRgb(230, 48, 64)}}}},
    {{ // short spiky hair and headphones
        "......o..o.o......",
        ".....oHooHoHo.....",
        "....ooHHHHHHoo....",
        "...oHHHHHHHHlHo...",
        "..oHHHHHHHHHHlHo..",
        "..oHHHHHHHHHHHHo..",
        ".oAoHhHHHHHHhHoAo.",
        "oAAoHSShHHhSSHoAAo",
        "oAAoSSSSSSSSSSoAAo",
        "oAAoSewSSSSweSoAAo",
        ".oAoSeeSSSSeeSoAo.",
        "...oSpSSmmSSpSo...",
        "....ooSSSSSSoo....",
        ".......oaao.......",
        "......oCaaCo......",
        ".....oCCCCCCo.....",
        "....oCoCCCCoCo....",
        "....oSocCCcoSo....",
        ".....occcccco.....",
        ".....occcccco.....",
        ".....oLo..oLo.....",
        ".....oBo..oBo.....",
    }, {{{'H', qRgb(46, 46, 62)}, {'h', qRgb(26, 26, 36)}, {'l', qRgb(90, 90, 120)},
         {'C', qRgb(58, 110, 232)}, {'c', qRgb(42, 76, 176)}, {'A', qRgb(232, 58, 90)},
         {'a', qRgb(240, 240, 250)}}}},
    {{ // two buns
        "...ooo......ooo...",
        "..oHlHooooooHlHo..",
        "..ohHHHHHHHHHHho..",
        "...oHHHHHHHHlHo...",
        "..oHHHHHHHHHHlHo..",
        "..oHHHHHHHHHHHHo..",
        "..oHHhHHHHHHhHHo..",
        "..oHhSShHHhSShHo..",
        "..oHSSSSSSSSSSHo..",
        "..oHSewSSSSweSHo..",
        "..oHSeeSSSSeeSHo..",
        "...oSpSSmmSSpSo...",
        "....ooSSSSSSoo....",
        ".......oAAo.......",
        "......oCAACo......",
        ".....oCCCCCCo.....",
        "....oCoCCCCoCo....",
        "....oSocCCcoSo....",
        ".....occcccco.....",
        "....occcccccco....",
        ".....oLo..oLo.....",
        ".....oBo..oBo.....",
    }, {{{'H', qRgb(138, 90, 216)}, {'h', qRgb(106, 58, 176)}, {'l', qRgb(184, 144, 255)},
         {'C', qRgb(255, 122, 184)}, {'c', qRgb(208, 80, 138)}, {'A', qRgb(255, 255, 255)},
         {'a', qRgb(255, 255, 255)}}}},
    {{ // long straight hair
        "..................",
        "......oooooo......",
        "....ooHHHHHHoo....",
        "...oHHHHHHHHlHo...",
        "..oHHHHHHHHHHlHo..",
        ".oHHHHHHHHHHHHHHo.",
        ".oHHHhHHHHHHhHHHo.",
        ".oHHhSShHHhSShHHo.",
        ".oHHSSSSSSSSSSHHo.",
        ".oHHSewSSSSweSHHo.",
        ".oHHSeeSSSSeeSHHo.",
        ".oHoSpSSmmSSpSoHo.",
        ".oHHooSSSSSSooHHo.",
        ".ohHo..oAAo..oHho.",
        ".ohHo.oCAACo.oHho.",
        "..ohooCCCCCCooho..",
        "....oCoCCCCoCo....",
        "....oSocCCcoSo....",
        ".....occcccco.....",
        "....occcccccco....",
        ".....oLo..oLo.....",
        ".....oBo..oBo.....",
    }, {{{'H', qRgb(208, 212, 228)}, {'h', qRgb(150, 156, 184)}, {'l', qRgb(255, 255, 255)},
         {'C', qRgb(58, 200, 120)}, {'c', qRgb(40, 144, 90)}, {'A', qRgb(255, 216, 74)},
         {'a', qRgb(255, 216, 74)}}}},
    {{ // cap
        "..................",
        "......oooooo......",
        "....ooAAAAAAoo....",
        "...oAAAAAAAAwAo...",
        "..oAAAAAAAAAAAAo..",
        "ooaaaaaaaaaaaAAo..",
        "..oHHhHHHHHHhHHo..",
        "..oHhSShHHhSShHo..",
        "..oHSSSSSSSSSSHo..",
        "..oHSewSSSSweSHo..",
        "..oHSeeSSSSeeSHo..",
        "...oSpSSmmSSpSo...",
        "....ooSSSSSSoo....",
        ".......oSSo.......",
        "......oCCCCo......",
        ".....oCCCCCCo.....",
        "....oCoCCCCoCo....",
        "....oSoCCCCoSo....",
        ".....occcccco.....",
        ".....occcccco.....",
        ".....oLo..oLo.....",
        ".....oBo..oBo.....",
    }, {{{'H', qRgb(240, 200, 80)}, {'h', qRgb(200, 154, 48)}, {'l', qRgb(255, 240, 160)},
         {'C', qRgb(64, 184, 232)}, {'c', qRgb(40, 136, 176)}, {'A', qRgb(232, 56, 58)},
         {'a', qRgb(160, 32, 40)}}}},
    {{ // bob with a bow
        "......oo..oo......",
        ".....oAAooAAo.....",
        "....ooAAAAAAoo....",
        "...oHHHoaaoHHHo...",
        "..oHHHHHHHHHHlHo..",
        ".oHHHHHHHHHHHHHHo.",
        ".oHHHhHHHHHHhHHHo.",
        ".oHHhSShHHhSShHHo.",
        ".oHHSSSSSSSSSSHHo.",
        ".oHHSewSSSSweSHHo.",
        ".oHHSeeSSSSeeSHHo.",
        ".ohHoSpSmmSSpSoHho",
        "..oooooSSSSSSooooo",
        ".......oAAo.......",
        "......oCAACo......",
        ".....oCCCCCCo.....",
        "....oCoCCCCoCo....",
        "....oSocCCcoSo....",
        ".....occcccco.....",
        "....occcccccco....",
        ".....oLo..oLo.....",
        ".....oBo..oBo.....",
    }, {{{'H', qRgb(232, 120, 58)}, {'h', qRgb(184, 84, 42)}, {'l', qRgb(255, 160, 96)},
         {'C', qRgb(154, 106, 240)}, {'c', qRgb(112, 72, 192)}, {'A', qRgb(255, 90, 160)},
         {'a', qRgb(200, 50, 120)}}}},
};
// clang-format on

constexpr bool artIsRectangular()
{
    for (const Figure& figure : kFigures)
        for (const std::string_view row : figure.art)
            if (row.size() != kFigureWidth)
                return false;
    return true;
}
static_assert(artIsRectangular(), "every row of a figure must be kFigureWidth pixels wide");

QColor colourOf(const Figure& figure, char key)
{
    for (const Colour& colour : figure.colours)
        if (colour.key == key)
            return QColor::fromRgb(colour.rgb);
    for (const Colour& colour : kSharedColours)
        if (colour.key == key)
            return QColor::fromRgb(colour.rgb);
    return Qt::magenta; // an unknown letter in the art shows up at once
}

} // namespace

int figureCount() { return static_cast<int>(std::size(kFigures)); }

void drawFigure(QPainter& painter, int index, QPoint topLeft, int scale)
{
    const Figure& figure = kFigures[index];
    for (int row = 0; row < kFigureHeight; ++row) {
        const std::string_view pixels = figure.art[static_cast<std::size_t>(row)];
        for (int column = 0; column < static_cast<int>(pixels.size()); ++column) {
            const char key = pixels[static_cast<std::size_t>(column)];
            if (key != '.')
                painter.fillRect(topLeft.x() + column * scale, topLeft.y() + row * scale, scale,
                                 scale, colourOf(figure, key));
        }
    }
}

} // namespace tavenor::artwork
