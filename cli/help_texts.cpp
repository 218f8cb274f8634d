#include "cli/help_texts.h"

namespace tavenor {
namespace {

// The pages are laid out for help2man as well as for the terminal: "Usage:" first, a paragraph
// of description, then sections headed by a line that ends in a colon.
constexpr std::string_view kProgramHelp = R"(Usage: tavenor-cli COMMAND [OPTION]... [FILE]
  or:  tavenor-cli COMMAND --help
  or:  tavenor-cli --version

Converts Chinese lyrics or pinyin lists into pseudo-romaji (a Japanese-style spelling of each
Mandarin syllable) and X-SAMPA phoneme notation, the way Tavenor's window does. Each line of
FILE, or of standard input when FILE is "-" or absent, is converted on its own, as if typed
into a fresh window. Input is UTF-8; so is the output.

Commands:
  lyrics    Chinese lyrics, one text per line: looks up the pinyin, then converts it
  convert   pinyin lists such as "ni,hao,", one per line: converts them

Options:
  -h, --help      show this help, or with a command that command's help
  -v, --version   show the version

Exit status:
  0  every line was converted (a syllable the table lacks shows as "?")
  1  the input could not be read or is not UTF-8, or the output could not be written
  2  the command line is wrong
)";

constexpr std::string_view kLyricsHelp
    = R"(Usage: tavenor-cli lyrics [--json] [--lu=auto|yes|no|ask] [--quiet] [FILE]

Each input line is a lyrics text, such as "你好". Its characters are looked up in the built-in
pinyin readings to make the pinyin list ("ni,hao,"), which is then converted as the window's
pinyin box would be. A character with no reading gives an empty entry.

In text mode each input line gives its final result: one line per syllable, its romaji with
its phonemes in brackets ("ni[J i]"), or "?" for a syllable that the table lacks. An empty
line separates one input line's record from the next.

With --json each input line gives one JSON object on one line, with the members "pinyin" (the
pinyin list), "decomposition", "romaji", "final" and "history": the texts of the window's
boxes, line breaks kept as CR LF.

Options:
  --json            print one JSON object per input line
  --lu=WHEN         plain pinyin writes both lu and lü (lv) as "lu"; WHEN settles each:
                    auto (the default) takes the character's own reading from the built-in
                    data; yes keeps lu; no makes it lv; ask asks on the terminal, naming the
                    character, its line and its place, and offers the built-in reading
  -q, --quiet       do not report on standard error the syllables that the table lacks
  -h, --help        show this help

Examples:
  echo 你好 | tavenor-cli lyrics
                    the final result of 你好, read ni and hao
  tavenor-cli lyrics --json --lu=ask song.txt > song.jsonl
                    every box's text for each line of song.txt, asking about each lu
)";

constexpr std::string_view kConvertHelp = R"(Usage: tavenor-cli convert [--json] [--quiet] [FILE]

Each input line is a pinyin list: tone-less syllables, each followed by a comma, such as
"ni,hao,", as in the window's pinyin box. Every syllable is looked up, exactly as written, in
the built-in table of 409 Mandarin syllables.

In text mode each input line gives its final result: one line per syllable, its romaji with
its phonemes in brackets ("ni[J i]"), or "?" for a syllable that the table lacks. An empty
line separates one input line's record from the next.

With --json each input line gives one JSON object on one line, with the members
"decomposition", "romaji", "final" and "history": the texts of the window's boxes, line
breaks kept as CR LF.

Options:
  --json            print one JSON object per input line
  -q, --quiet       do not report on standard error the syllables that the table lacks
  -h, --help        show this help

Examples:
  echo ni,hao, | tavenor-cli convert
                    the final result of ni and hao
  tavenor-cli convert --json corrected.txt > corrected.jsonl
                    every box's text for each pinyin list in corrected.txt
)";

} // namespace

std::string_view HelpText(std::optional<CliCommand> command)
{
    if (!command)
        return kProgramHelp;
    return *command == CliCommand::Lyrics ? kLyricsHelp : kConvertHelp;
}

} // namespace tavenor
