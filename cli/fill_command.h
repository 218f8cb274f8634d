#pragma once

#include "cli/cli.h"
#include "score/fill_notes.h"

#include <QString>

#include <optional>

namespace tavenor {

// The project formats that tavenor-cli fill reads and writes, told by the file's extension.
enum class ProjectFormat { Ust, Ustx, Midi };

// .ust, .ustx, .mid or .midi, in any case; nothing for any other name.
std::optional<ProjectFormat> ProjectFormatOf(const QString& path);

// Whether two paths name one file (the second need not exist yet): through links, and with
// "." and ".." resolved.
bool NamesSameFile(const QString& existing, const QString& other);

struct FillArguments {
    QString project;
    ProjectFormat format = ProjectFormat::Ust;
    std::optional<QString> lyricsFile; // UTF-8 lyrics, "-" for standard input
    QString output; // the file to write: the project itself for --in-place
    FillOptions options; // without the lyrics, which come from lyricsFile
    std::optional<int> track;
    bool quiet = false;
};

// tavenor-cli fill PROJECT [--lyrics FILE] (-o OUT | --in-place) ...: fills the project's notes
// with the lyrics' syllables and writes the result to a temporary file beside OUT, renamed over
// it. Returns 0 (the reports on err unless quiet), or 1 when a file cannot be read or written or
// the project is malformed (nothing written).
int RunFillCommand(const FillArguments& arguments, CliStreams streams);

} // namespace tavenor
