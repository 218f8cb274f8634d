#include "text/cut_text.h"

namespace tavenor {

std::vector<std::string_view> CutText(std::string_view text, std::string_view separator)
{
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            pieces.push_back(text.substr(start));
            break;
        }
        pieces.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    return pieces;
}

} // namespace tavenor
