#pragma once

#include "pinyin/pinyin_provider.h"
#include "plugin/notes_file.h"
#include "score/fill_notes.h"
#include "table/syllable_table.h"

#include <QDialog>

#include <string>

class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QTableWidget;

namespace tavenor {

// The plugin's dialog: the lyrics, their editable pinyin list, the spelling and split choices,
// and a preview of every selected note before and after. It only plans; the caller writes the
// plan when the dialog is accepted.
class FillDialog final : public QDialog {
public:
    // options presets the choices, and how each "lu" of the pinyin list starts out.
    FillDialog(const NotesFile& file, const FillOptions& options, const SyllableTable& table,
               const PinyinProvider& provider);

    // The fill as the dialog shows it now.
    const FillPlan& plan() const { return m_plan; }

private:
    void createControls();
    void lyricsChanged();
    void rebuildPinyinList();
    void refresh();
    void showPreview();

    const NotesFile& m_file;
    const SyllableTable& m_table;
    const PinyinProvider& m_provider;
    LuReading m_lu;
    // The notes' own characters, which the lyrics box starts with; left so, each note sings its
    // own character where it stands.
    QString m_ownLyrics;
    FillPlan m_plan;

    QPlainTextEdit* m_lyrics = nullptr;
    QLineEdit* m_pinyin = nullptr;
    QRadioButton* m_hiragana = nullptr;
    QRadioButton* m_romaji = nullptr;
    QRadioButton* m_split = nullptr;
    QRadioButton* m_noSplit = nullptr;
    QTableWidget* m_preview = nullptr;
};

} // namespace tavenor
