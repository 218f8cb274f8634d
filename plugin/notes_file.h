#pragma once

#include "pinyin/pinyin_provider.h"
#include "project/project_file.h"
#include "score/fill_notes.h"
#include "table/syllable_table.h"

#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace tavenor {

// The notes the host handed over in its temp file, read once; filling writes that same file back
// in its own encoding and line ends. Throws PluginError for a file that cannot be read or is no
// notes file, naming it.
class NotesFile {
public:
    explicit NotesFile(const QString& path);
    ~NotesFile();

    const QString& path() const { return m_path; }
    const std::vector<ScoreNote>& notes() const;
    FillPlan plan(const FillOptions& options, const SyllableTable& table,
                  const PinyinProvider& provider) const;

    // Replaces the file through a temporary file beside it, so that the host never reads half an
    // answer; a plan that changes nothing leaves the file untouched. Throws PluginError.
    void write(const FillPlan& plan) const;

private:
    QString m_path;
    std::string m_bytes;
    std::unique_ptr<ProjectFile> m_project;
};

// The lyrics of --lyrics: UTF-8, a leading byte-order mark dropped (as editors on Windows write
// one). Throws PluginError for a file that cannot be read or is not UTF-8.
std::string ReadLyricsFile(const QString& path);

} // namespace tavenor
