#pragma once

#include "cli/cli_output.h"
#include "cli/json_line.h"
#include "romaji/romaji_texts.h"

#include <optional>
#include <string_view>

namespace tavenor {

// What the command line prints, one record for each input line in turn: the final result text,
// or with json one object of every box text, led by the pinyin list when the line went through
// the lyrics box.
class LineResultWriter {
public:
    LineResultWriter(CliOutput& output, bool json)
        : m_output(output)
        , m_json(json)
    {
    }

    void write(const RomajiTexts& texts, std::optional<std::string_view> pinyinList = std::nullopt);

private:
    CliOutput& m_output;
    bool m_json;
    JsonLineWriter m_jsonLine;
};

} // namespace tavenor
