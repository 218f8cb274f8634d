// The real window, offscreen, under the heaviest use: a megabyte pasted into the lyrics or the
// pinyin box, and the thousandth edit of a 2,000-character song, when the history box (never
// emptied) holds the lines of all the edits before it.

#include "app/main_window.h"
#include "pinyin/unihan_pinyin_provider.h"
#include "table/syllable_table.h"
#include "tests/support/resident_memory.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <string>

namespace tavenor {
namespace {

// A verse with full-width punctuation and a blank, and none of its characters read "lu", whose
// question would wait for a user.
const QString kVerse = QStringLiteral("春眠不觉晓，处处闻啼鸟。夜来风雨声，花落知多少。 ");

double residentMiB() { return testing::ResidentKiB() / 1024; }

class Window {
public:
    Window()
        : m_window((LoadSyllableTable(m_table), m_table), m_provider)
    {
        m_window.show();
        if (!QTest::qWaitForWindowExposed(&m_window))
            qFatal("the window was not exposed");
    }

    QLineEdit* line(const char* name)
    {
        return m_window.findChild<QLineEdit*>(QString::fromUtf8(name));
    }
    QPlainTextEdit* history()
    {
        return m_window.findChild<QPlainTextEdit*>(QStringLiteral("编辑框5"));
    }

    void paste(QLineEdit* box, const QString& text)
    {
        QApplication::clipboard()->setText(text);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }

private:
    SyllableTable m_table;
    UnihanPinyinProvider m_provider;
    MainWindow m_window;
};

QString repeatedTo(const QString& block, qsizetype characters)
{
    return block.repeated(characters / block.size() + 1).left(characters);
}

void pasteMegabyte(benchmark::State& state, const char* boxName, const QString& text)
{
    Window window;
    for (auto _ : state) {
        state.PauseTiming();
        window.history()->setPlainText(QStringLiteral("历史..."));
        state.ResumeTiming();
        window.paste(window.line(boxName), text);
    }
    if (window.line(boxName)->text() != text)
        state.SkipWithError("the pasted text did not arrive whole");
    state.counters["characters"] = static_cast<double>(text.size());
}

// 466,034 characters: a megabyte in GB18030.
void BM_PasteMegabyteOfLyrics(benchmark::State& state)
{
    pasteMegabyte(state, "编辑框1", repeatedTo(kVerse, 466034));
}
BENCHMARK(BM_PasteMegabyteOfLyrics)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_PasteMegabyteOfPinyin(benchmark::State& state)
{
    pasteMegabyte(state, "编辑框2",
                  repeatedTo(QStringLiteral("chun,mian,bu,jue,xiao,,chu,wen,ti,niao,"), 1 << 20));
}
BENCHMARK(BM_PasteMegabyteOfPinyin)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Each edit types a character at the end of the song or deletes it again; every edit converts
// the whole song and adds its 2,000 lines to the history.
void BM_ThousandthEditOfASong(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Window window;
        QLineEdit* lyrics = window.line("编辑框1");
        window.paste(lyrics, repeatedTo(kVerse, 1999));
        const double memoryBefore = residentMiB();
        lyrics->end(false);
        for (int edit = 2; edit <= 1000; ++edit) {
            if (edit == 1000)
                state.ResumeTiming();
            if (edit % 2 == 0)
                QTest::keyClick(lyrics, Qt::Key_Backspace);
            else
                QTest::sendKeyEvent(QTest::Click, lyrics, Qt::Key_unknown, QStringLiteral("夜"),
                                    Qt::NoModifier);
        }
        state.PauseTiming();
        state.counters["history_lines"] = window.history()->document()->blockCount();
        state.counters["memory_growth_MiB"] = residentMiB() - memoryBefore;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ThousandthEditOfASong)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
} // namespace tavenor
