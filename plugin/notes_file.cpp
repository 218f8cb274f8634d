#include "plugin/notes_file.h"

#include "plugin/plugin_error.h"
#include "project/ust_file.h"
#include "text/utf8_validation.h"

#include <QFile>
#include <QSaveFile>

namespace tavenor {
namespace {

PluginError fileError(const QString& path, const QString& what)
{
    return PluginError((path + QStringLiteral(": ") + what).toStdString());
}

std::string readWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw fileError(path, QStringLiteral("cannot read: ") + file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw fileError(path, QStringLiteral("cannot read: ") + file.errorString());
    return bytes.toStdString();
}

} // namespace

NotesFile::NotesFile(const QString& path)
    : m_path(path)
    , m_bytes(readWhole(path))
{
    try {
        m_project = ReadUstFile(m_bytes, UstKind::PluginTempFile);
    } catch (const ProjectError& error) {
        throw fileError(path, QString::fromUtf8(error.what()));
    }
}

NotesFile::~NotesFile() = default;

const std::vector<ScoreNote>& NotesFile::notes() const { return m_project->notes(); }

FillPlan NotesFile::plan(const FillOptions& options, const SyllableTable& table,
                         const PinyinProvider& provider) const
{
    return PlanFill(m_project->notes(), options, table, provider);
}

void NotesFile::write(const FillPlan& plan) const
{
    std::string filled;
    try {
        filled = m_project->filled(plan);
    } catch (const ProjectError& error) {
        throw fileError(m_path, QString::fromUtf8(error.what()));
    }
    if (filled == m_bytes)
        return;
    QSaveFile file(m_path);
    const auto size = static_cast<qint64>(filled.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(filled.data(), size) != size
        || !file.commit())
        throw fileError(m_path, QStringLiteral("cannot write: ") + file.errorString());
}

std::string ReadLyricsFile(const QString& path)
{
    std::string lyrics = readWhole(path);
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const std::size_t markSize
        = std::string_view(lyrics).starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    lyrics.erase(0, markSize);
    if (const std::optional<std::size_t> bad = FindInvalidUtf8(lyrics))
        throw fileError(path, QStringLiteral("not UTF-8 (byte %1)").arg(*bad + markSize));
    return lyrics;
}

} // namespace tavenor
