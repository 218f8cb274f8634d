#pragma once

#include "cli/cli.h"

#include <QString>

namespace tavenor {

// How tavenor-cli lyrics answers the lu question (--lu=yes, --lu=no, --lu=ask).
enum class LuAnswers { Yes, No, Ask };

// tavenor-cli lyrics [--lu=yes|no|ask] [--json] [FILE]: each input line is the lyrics box of a
// fresh window; prints the final result text, or with json every box's text and the pinyin list.
int RunLyricsCommand(const QString& file, LuAnswers lu, bool json, CliStreams streams);

} // namespace tavenor
