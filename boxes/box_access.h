#pragma once

#include <string>
#include <string_view>

namespace tavenor {

// The control names of the main window's edit boxes, by which the routines address them.
namespace box {
inline constexpr std::string_view Lyrics = "编辑框1";
inline constexpr std::string_view Pinyin = "编辑框2";
inline constexpr std::string_view Decomposition = "编辑框3";
inline constexpr std::string_view Romaji = "编辑框4";
inline constexpr std::string_view History = "编辑框5";
inline constexpr std::string_view Final = "编辑框6";
} // namespace box

// The only way the routines touch the window: texts are GBK (GB18030) bytes, and multi-line
// boxes use CR LF line breaks.
class BoxAccess {
public:
    virtual ~BoxAccess() = default;

    virtual std::string read(std::string_view boxName) = 0;
    virtual void set(std::string_view boxName, std::string_view text) = 0;
    // Adds text at the very end, with no separator or line break of its own.
    virtual void append(std::string_view boxName, std::string_view text) = 0;
};

} // namespace tavenor
