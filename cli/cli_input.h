#pragma once

#include "cli/cli.h"

#include <QFile>
#include <QString>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tavenor {

// The input of one command: FILE, or standard input for "" or "-", whole and checked to be UTF-8,
// without a leading byte order mark. A file is mapped into memory where the system allows it,
// rather than copied: fresh pages for a copy cost more than reading the file itself.
class CliInput {
public:
    // On failure the reason has been written to err.
    static std::optional<CliInput> read(const QString& file, CliStreams streams);

    std::string_view text() const noexcept
    {
        const std::string_view all
            = m_mapped ? std::string_view(m_mapped, m_mappedSize) : std::string_view(m_read);
        return all.substr(m_skipped);
    }

private:
    // The mapped file stays open while its bytes are in use.
    std::unique_ptr<QFile> m_file;
    const char* m_mapped = nullptr;
    std::size_t m_mappedSize = 0;
    std::string m_read;
    std::size_t m_skipped = 0;
};

} // namespace tavenor
