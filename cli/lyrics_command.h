#pragma once

#include "cli/cli.h"

#include <QString>

namespace tavenor {

// How tavenor-cli lyrics settles each lu (--lu=auto|yes|no|ask): by the character's own reading
// in the built-in data, always lu, always lv, or by asking on the terminal.
enum class LuAnswers { Auto, Yes, No, Ask };

// tavenor-cli lyrics [--lu=auto|yes|no|ask] [--json] [--quiet] [FILE]: each input line is the
// lyrics box of a fresh window; prints the final result text, or with json every box's text and
// the pinyin list.
int RunLyricsCommand(const QString& file, LuAnswers lu, LineOutput lineOutput, CliStreams streams);

} // namespace tavenor
