#pragma once

#include "cli/cli.h"
#include "cli/input_buffer.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavenor {

class SnapshotSource;

// The input of one command: FILE, or standard input for "" or "-", whole and checked to be UTF-8,
// without a leading byte order mark. A file is read as one content, however another program
// changes it meanwhile, and then converted from memory.
class CliInput {
public:
    // On failure the reason has been written to err.
    static std::optional<CliInput> read(const QString& file, CliStreams streams);
    // The same from an open file named `file`.
    static std::optional<CliInput> readFile(const QString& file, SnapshotSource& source,
                                            std::ostream& err);

    std::string_view text() const noexcept
    {
        return (m_fromFile ? m_file.view() : std::string_view(m_read)).substr(m_skipped);
    }

private:
    std::optional<CliInput> checked(std::ostream& err) &&;

    bool m_fromFile = false;
    InputBuffer m_file;
    std::string m_read;
    std::size_t m_skipped = 0;
};

} // namespace tavenor
