#pragma once

#include "app/locking_lu_question.h"
#include "app/message_box_lu_question.h"
#include "pinyin/pinyin_provider.h"
#include "table/syllable_table.h"

#include <QWidget>

class QLineEdit;

#include <memory>

namespace tavenor {

class WidgetBoxes;

// The one working window: six edit boxes, two labels and a frame in a fixed layout. It computes
// nothing itself; the user's edits of the lyrics and pinyin boxes run the core's routines.
class MainWindow final : public QWidget {
public:
    // The table is the program's; it stays empty until runStartUpSequence() loads it.
    MainWindow(SyllableTable& table, const PinyinProvider& provider);
    ~MainWindow() override;

    // What runs once the window and its controls exist: the splash for half a second, then the
    // table is loaded.
    void runStartUpSequence();

    // Whether the window's texts show whole in font: every caption inside its label, and two whole
    // lines in each two-line box.
    static bool FitsFont(const QFont& font);

private:
    void createControls();
    void bindEdits();
    void lyricsChanged();
    void pinyinChanged();

    SyllableTable& m_table;
    const PinyinProvider& m_provider;
    MessageBoxLuQuestion m_luQuestion;
    std::unique_ptr<LockingLuQuestion> m_lockingLuQuestion;
    std::unique_ptr<WidgetBoxes> m_boxes;
    QLineEdit* m_lyrics = nullptr;
    QLineEdit* m_pinyin = nullptr;
};

} // namespace tavenor
