#include "cli/fill_command.h"

#include "cli/cli_input.h"
#include "cli/file_snapshot.h"
#include "pinyin/unihan_pinyin_provider.h"
#include "project/midi_file.h"
#include "project/ust_file.h"
#include "project/ustx_file.h"
#include "score/fill_report_text.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <ostream>

namespace tavenor {
namespace {

int cannot(const char* what, const QString& file, const QString& why, std::ostream& err)
{
    err << "tavenor-cli: cannot " << what << ' ' << file.toStdString() << ": " << why.toStdString()
        << '\n';
    return 1;
}

std::unique_ptr<ProjectFile> readProject(std::string_view bytes, const FillArguments& arguments)
{
    switch (arguments.format) {
    case ProjectFormat::Ust: return ReadUstFile(bytes, UstKind::Project);
    case ProjectFormat::Ustx: return ReadUstxFile(bytes, arguments.track);
    case ProjectFormat::Midi: return ReadMidiFile(bytes, arguments.track);
    }
    throw ProjectError("no reader for this format");
}

} // namespace

std::optional<ProjectFormat> ProjectFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("ust"))
        return ProjectFormat::Ust;
    if (suffix == QLatin1String("ustx"))
        return ProjectFormat::Ustx;
    if (suffix == QLatin1String("mid") || suffix == QLatin1String("midi"))
        return ProjectFormat::Midi;
    return std::nullopt;
}

bool NamesSameFile(const QString& existing, const QString& other)
{
    const QFileInfo first(existing);
    const QFileInfo second(other);
    const QString firstPath = first.exists() ? first.canonicalFilePath() : first.absoluteFilePath();
    if (second.exists())
        return second.canonicalFilePath() == firstPath;
    // A file that does not exist yet is the same only where its folder is the same.
    const QString folder = second.absolutePath();
    const QFileInfo folderInfo(folder);
    const QString canonicalFolder
        = folderInfo.exists() ? folderInfo.canonicalFilePath() : folderInfo.absoluteFilePath();
    return canonicalFolder + QLatin1Char('/') + second.fileName() == firstPath;
}

int RunFillCommand(const FillArguments& arguments, CliStreams streams)
{
    FillOptions options = arguments.options;
    options.emptyLyricIsRest = arguments.format != ProjectFormat::Midi;
    if (arguments.lyricsFile) {
        const std::optional<CliInput> lyrics = CliInput::read(*arguments.lyricsFile, streams);
        if (!lyrics)
            return 1;
        options.lyrics = std::string(lyrics->text());
    }

    QFile source(arguments.project);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return cannot("read", arguments.project, source.errorString(), streams.err);
    InputBuffer bytes;
    OpenFileSource snapshotSource(source);
    switch (TakeSnapshot(snapshotSource, bytes)) {
    case SnapshotOutcome::Taken: break;
    case SnapshotOutcome::Unreadable:
        return cannot("read", arguments.project, snapshotSource.errorString(), streams.err);
    case SnapshotOutcome::KeptChanging:
        return cannot("read", arguments.project,
                      QStringLiteral("it kept changing while it was read"), streams.err);
    }
    source.close();

    FillPlan plan;
    std::string filled;
    try {
        const std::unique_ptr<ProjectFile> project = readProject(bytes.view(), arguments);
        SyllableTable table;
        LoadSyllableTable(table);
        plan = PlanFill(project->notes(), options, table, UnihanPinyinProvider());
        filled = project->filled(plan);
    } catch (const ProjectError& error) {
        streams.err << "tavenor-cli: " << arguments.project.toStdString() << ": " << error.what()
                    << '\n';
        return 1;
    }

    // Written beside the target and renamed over it: an interrupted run leaves the old file whole.
    QSaveFile target(arguments.output);
    if (!target.open(QIODevice::WriteOnly))
        return cannot("write", arguments.output, target.errorString(), streams.err);
    if (target.write(filled.data(), static_cast<qint64>(filled.size()))
            != static_cast<qint64>(filled.size())
        || !target.commit())
        return cannot("write", arguments.output, target.errorString(), streams.err);

    if (!arguments.quiet) {
        for (const FillReport& report : plan.reports)
            streams.err << "tavenor-cli: " << FillReportText(report) << '\n';
    }
    return 0;
}

} // namespace tavenor
