#include "app/main_window.h"
#include "pinyin/hanzi_to_pinyin.h"
#include "pinyin/unihan_pinyin_provider.h"
#include "table/syllable_table.h"

#include "codec/gb18030_codec.h"

#include "window_bench_main.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTest>
#include <QTextCursor>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

// One user edit in the real window, offscreen: a 2,000-character song pasted over the lyrics box
// while the history box holds 200,000 lines, timed until every box holds its new text and the
// window has processed what the edit queued. The floor writes the same final texts into the same
// boxes with Qt's own calls.

namespace tavenor {
namespace {

constexpr int kSongCharacters = 2000;
constexpr int kHistoryLines = 200000;

// The song: GB2312 characters in code order, each one that has a reading and is not read "lu".
QString song(const PinyinProvider& provider)
{
    std::string text;
    int characters = 0;
    for (int lead = 0xB0; lead <= 0xF7 && characters < kSongCharacters; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE && characters < kSongCharacters; ++trail) {
            const std::string character{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string syllable = HanziToPinyin(provider, character, 0, 0);
            if (syllable.empty() || syllable == "lu")
                continue;
            text += character;
            ++characters;
        }
    }
    return FromGb18030(text);
}

struct FinalTexts {
    QString pinyin;
    QString decomposition;
    QString romaji;
    QString final;
    QString historyAddition;
};

class KeystrokeWindow {
public:
    KeystrokeWindow()
        : m_window(m_table, m_provider)
    {
        LoadSyllableTable(m_table);
        m_window.show();
        if (!QTest::qWaitForWindowExposed(&m_window))
            qFatal("the window was not exposed");
        m_song = song(m_provider);
        QString lines;
        for (int i = 0; i < kHistoryLines; ++i)
            lines += QStringLiteral("zhuang\n");
        history()->setPlainText(QStringLiteral("历史...") + lines);
        m_historyLength = history()->document()->characterCount();

        // One real edit tells what the boxes hold afterwards.
        prepareEdit();
        pasteSong();
        m_final = {box("编辑框2")->text(), textBox("编辑框3")->toPlainText(),
                   textBox("编辑框4")->toPlainText(), textBox("编辑框6")->toPlainText(),
                   history()->toPlainText().mid(m_historyLength - 1)};
    }

    // Outside the timing: the boxes as before the edit, the song on the clipboard, the lyrics
    // box's old text selected as a user would before pasting over it.
    void prepareEdit()
    {
        QTextCursor added(history()->document());
        added.setPosition(m_historyLength - 1);
        added.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        added.removeSelectedText();
        // Written as the program writes, raising no change, so that nothing converts.
        const QSignalBlocker quietLyrics(box("编辑框1"));
        const QSignalBlocker quietPinyin(box("编辑框2"));
        box("编辑框1")->setText(QStringLiteral("请保证这里纯中文"));
        for (const char* name : {"编辑框3", "编辑框4", "编辑框6"})
            textBox(name)->setPlainText(QStringLiteral("x"));
        box("编辑框2")->setText(QString());
        QApplication::clipboard()->setText(m_song);
        box("编辑框1")->setFocus();
        box("编辑框1")->selectAll();
        QCoreApplication::processEvents();
    }

    void pasteSong()
    {
        QTest::keyClick(box("编辑框1"), Qt::Key_V, Qt::ControlModifier);
        QCoreApplication::processEvents();
    }

    // Qt offers two ways to replace a box's text; the floor is the faster of them.
    void writeFinalTexts(bool bySetPlainText)
    {
        const QSignalBlocker quietLyrics(box("编辑框1"));
        const QSignalBlocker quietPinyin(box("编辑框2"));
        box("编辑框1")->setText(m_song);
        box("编辑框2")->setText(m_final.pinyin);
        replaceText(*textBox("编辑框3"), m_final.decomposition, bySetPlainText);
        replaceText(*textBox("编辑框4"), m_final.romaji, bySetPlainText);
        replaceText(*textBox("编辑框6"), m_final.final, bySetPlainText);
        insertAtEnd(*history(), m_final.historyAddition);
        QCoreApplication::processEvents();
    }

    bool holdsFinalTexts()
    {
        return box("编辑框1")->text() == m_song && box("编辑框2")->text() == m_final.pinyin
            && textBox("编辑框6")->toPlainText() == m_final.final
            && history()->document()->characterCount()
            == m_historyLength + m_final.historyAddition.size();
    }

private:
    static void insertAtEnd(QPlainTextEdit& box, const QString& text)
    {
        QTextCursor end(box.document());
        end.movePosition(QTextCursor::End);
        end.insertText(text);
    }

    static void replaceText(QPlainTextEdit& box, const QString& text, bool bySetPlainText)
    {
        if (bySetPlainText) {
            box.setPlainText(text);
        } else {
            box.clear();
            insertAtEnd(box, text);
        }
    }

    QLineEdit* box(const char* name)
    {
        return m_window.findChild<QLineEdit*>(QString::fromUtf8(name));
    }
    QPlainTextEdit* textBox(const char* name)
    {
        return m_window.findChild<QPlainTextEdit*>(QString::fromUtf8(name));
    }
    QPlainTextEdit* history() { return textBox("编辑框5"); }

    SyllableTable m_table;
    UnihanPinyinProvider m_provider;
    MainWindow m_window;
    QString m_song;
    int m_historyLength = 0;
    FinalTexts m_final;
};

KeystrokeWindow& keystrokeWindow()
{
    static KeystrokeWindow* const window = [] {
        auto* made = new KeystrokeWindow;
        ReleaseWhenDone([made] { delete made; });
        return made;
    }();
    return *window;
}

void BM_PasteSongIntoLyricsBox(benchmark::State& state)
{
    KeystrokeWindow& window = keystrokeWindow();
    for (auto _ : state) {
        state.PauseTiming();
        window.prepareEdit();
        state.ResumeTiming();
        window.pasteSong();
    }
    if (!window.holdsFinalTexts())
        state.SkipWithError("the edit did not leave the expected texts");
}
BENCHMARK(BM_PasteSongIntoLyricsBox)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FloorWriteTheSameTexts(benchmark::State& state)
{
    KeystrokeWindow& window = keystrokeWindow();
    const bool bySetPlainText = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.prepareEdit();
        state.ResumeTiming();
        window.writeFinalTexts(bySetPlainText);
    }
    if (!window.holdsFinalTexts())
        state.SkipWithError("the floor did not leave the expected texts");
}
BENCHMARK(BM_FloorWriteTheSameTexts)
    ->ArgName("setPlainText")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace tavenor
