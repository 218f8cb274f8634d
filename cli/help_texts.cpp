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
into a fresh window. Input is UTF-8; so is the output. The fill command instead writes the
syllables of Chinese lyrics into the notes of a singing synthesizer's project.

Commands:
  lyrics    Chinese lyrics, one text per line: looks up the pinyin, then converts it
  convert   pinyin lists such as "ni,hao,", one per line: converts them
  fill      a .ust, .ustx or MIDI project: fills its notes with the lyrics' syllables

Options:
  -h, --help      show this help, or with a command that command's help
  -v, --version   show the version

Exit status:
  0  every line was converted (a syllable the table lacks shows as "?")
  1  the input could not be read or is not UTF-8, or the output could not be written
     (fill: or the project file is malformed)
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

constexpr std::string_view kFillHelp
    = R"(Usage: tavenor-cli fill PROJECT [--lyrics FILE] (-o OUT | --in-place) [--romaji]
         [--split=yes|no] [--tail=TICKS] [--lu=auto|yes|no] [--quiet] [--track N]

Fills the notes of PROJECT, a singing synthesizer's project, with the syllables of Chinese
lyrics, and writes the result to OUT: a UTAU project (.ust, Shift-JIS unless it declares
UTF-8), an OpenUtau project (.ustx) or a Standard MIDI File (.mid, .midi; its lyrics as UTF-8
lyric events). Everything else in the file stays as it was.

With --lyrics, the Han characters of FILE (UTF-8; "-" for standard input) are sung in order,
one a note; punctuation, blanks and line breaks between them are skipped. Without it, each note
whose lyric is one Chinese character sings that character. Rests (R, r or no lyric) and
continuations ("-", or a lyric that starts with "+") keep their lyrics and take no character;
a MIDI file has no rests among its notes, and a note there without a lyric sings too.

Each character becomes its syllable as the window makes it: its built-in pinyin, then the first
row of the built-in table of 409 Mandarin syllables. The note's lyric becomes the row's first
romaji part, in hiragana unless --romaji. Each later part of a row ("ha o", "chi a n") becomes a
note of its own, of the same pitch, split off the end of the note: T = min(TAIL, L div k) ticks
long each, for a note of L ticks and k parts, the note keeping the rest.

Reported on standard error, one line each (notes counted from 1, in time order), without
changing the exit status: a syllable the table lacks (the note then sings the pinyin itself,
as "ying"), characters left over without a note, notes left without a character, and notes too
short to split (they sing the first part only).

The result is written to a temporary file beside OUT and renamed over it, so that an
interrupted run leaves the old file whole. A malformed project, or a lyric that the file's
encoding cannot hold, is named in one line (exit 1) and nothing is written.

Options:
  --lyrics=FILE     sing the Han characters of FILE, in order, rather than the notes' own
  -o, --output=OUT  write the filled project to OUT (the project itself needs --in-place)
  --in-place        write the filled project over PROJECT
  --romaji          write the table's romaji ("ha", "o"), not hiragana ("は", "お")
  --split=WHEN      yes (the default): a note for each part; no: the first part only
  --tail=TICKS      how long a split-off part may be at most, in the file's ticks (120)
  --lu=WHEN         plain pinyin writes both lu and lü (lv) as "lu"; WHEN settles each:
                    auto (the default) takes the character's own reading from the built-in
                    data; yes keeps lu; no makes it lv
  --track=N         the track to fill (.ustx and MIDI, from 1): by default the first track
                    that has notes (.ustx) or the track with the most notes (MIDI)
  -q, --quiet       do not report anything on standard error but errors
  -h, --help        show this help

Examples:
  tavenor-cli fill song.ust --lyrics lyrics.txt -o filled.ust
                    the characters of lyrics.txt, sung in hiragana by the notes of song.ust
  tavenor-cli fill song.ustx --in-place --romaji --split=no
                    each note of one Chinese character sings its first romaji part
)";

} // namespace

std::string_view HelpText(std::optional<CliCommand> command)
{
    if (!command)
        return kProgramHelp;
    switch (*command) {
    case CliCommand::Lyrics: return kLyricsHelp;
    case CliCommand::Convert: return kConvertHelp;
    case CliCommand::Fill: return kFillHelp;
    }
    return kProgramHelp;
}

} // namespace tavenor
