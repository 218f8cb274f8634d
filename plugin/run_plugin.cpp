#include "plugin/run_plugin.h"

#include "plugin/fill_dialog.h"
#include "plugin/notes_file.h"
#include "plugin/plugin_arguments.h"
#include "plugin/plugin_error.h"
#include "score/fill_report_text.h"
#include "tavenor_version.h"

#include <QApplication>
#include <QMessageBox>

#include <memory>
#include <ostream>
#include <string_view>
#include <variant>

namespace tavenor {
namespace {

// Laid out for help2man as well as for the terminal, as tavenor-cli's pages are.
constexpr std::string_view kHelp = R"(Usage: tavenor-plugin USTFILE
  or:  tavenor-plugin --lyrics FILE [--romaji] [--split=yes|no] [--lu=auto|yes|no] USTFILE
  or:  tavenor-plugin --help | --version

Fills the notes that UTAU or OpenUtau hands its plugin (USTFILE, the temporary .ust file of
the selected notes) with Chinese lyrics: each Han character of the lyrics, in order, becomes
its syllable's first part, in hiragana, on the next note that sings; each later part of the
syllable (as in "ha o") gets a note of its own, split off the end of the note. The file is
written back in its own encoding and line ends: UTF-8 when it starts with a byte order mark
(OpenUtau with encoding=UTF-8), Shift-JIS otherwise (UTAU).

Without --lyrics a dialog shows the lyrics (at first the notes' own Chinese characters), their
pinyin list to correct (lu or lv among them), the choices and a preview of every note before
and after; OK writes the file, Cancel leaves it as it was.

Options:
  --lyrics=FILE     fill without a window, with the lyrics of FILE (UTF-8 Chinese text)
  --romaji          write the table's romaji instead of hiragana
  --split=WHEN      yes (the default): a note for each part; no: the first part only
  --lu=WHEN         plain pinyin writes both lu and lü (lv) as "lu"; WHEN settles each:
                    auto (the default) takes the character's own reading, yes keeps lu, no
                    makes it lv; in the dialog, how the pinyin list starts out
  -h, --help        show this help
  -v, --version     show the version

Reports:
  Syllables the table lacks (the note then sings the pinyin itself), characters left over
  without a note, notes left without a character and notes too short to split are named on
  standard error, one line each; they do not stop the fill.

Exit status:
  0  the notes were filled, or the dialog was cancelled
  1  USTFILE or FILE could not be read or written, or is not what it should be; nothing is
     written
  2  the command line is wrong
)";

constexpr std::string_view kProgram = "tavenor-plugin: ";

void showError(const QString& message)
{
    QMessageBox::critical(nullptr, QStringLiteral("Tavenor"), message);
}

int runWithoutWindow(const PluginRequest& request, std::ostream& err, const SyllableTable& table,
                     const PinyinProvider& provider)
{
    FillOptions options = request.options;
    options.lyrics = ReadLyricsFile(*request.lyricsFile);
    const NotesFile file(request.ustFile);
    const FillPlan plan = file.plan(options, table, provider);
    file.write(plan);
    for (const FillReport& report : plan.reports)
        err << kProgram << FillReportText(report) << '\n';
    return 0;
}

int runDialog(const PluginRequest& request, const SyllableTable& table,
              const PinyinProvider& provider)
{
    const NotesFile file(request.ustFile);
    FillDialog dialog(file, request.options, table, provider);
    if (dialog.exec() == QDialog::Accepted)
        file.write(dialog.plan());
    return 0;
}

} // namespace

bool OpensDialog(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--lyrics") || argument.startsWith(QLatin1String("--lyrics="))
            || argument == QLatin1String("-h") || argument == QLatin1String("--help")
            || argument == QLatin1String("-v") || argument == QLatin1String("--version"))
            return false;
    }
    return true;
}

int RunPlugin(const QStringList& arguments, std::ostream& out, std::ostream& err,
              const PinyinProvider& provider)
{
    const PluginArguments parsed = ParsePluginArguments(arguments);
    // The dialog's user sees nothing of standard error: a message box says it too.
    const bool windowed = OpensDialog(arguments)
        && qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
    if (const auto* info = std::get_if<PluginInfo>(&parsed)) {
        if (*info == PluginInfo::Help)
            out << kHelp;
        else
            out << "tavenor-plugin " << kVersion << '\n';
        return 0;
    }
    if (const auto* usage = std::get_if<PluginUsageError>(&parsed)) {
        err << kProgram << usage->message.toStdString() << '\n'
            << "Try 'tavenor-plugin --help' for more information.\n";
        if (windowed)
            showError(usage->message);
        return 2;
    }
    const auto& request = std::get<PluginRequest>(parsed);
    SyllableTable table;
    LoadSyllableTable(table);
    try {
        if (request.lyricsFile)
            return runWithoutWindow(request, err, table, provider);
        return runDialog(request, table, provider);
    } catch (const PluginError& error) {
        err << kProgram << error.what() << '\n';
        if (windowed)
            showError(QString::fromUtf8(error.what()));
        return 1;
    }
}

} // namespace tavenor
