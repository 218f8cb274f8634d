#include "pinyin/unihan_pinyin_provider.h"
#include "plugin/fill_dialog.h"
#include "plugin/notes_file.h"
#include "plugin/run_plugin.h"
#include "table/syllable_table.h"
#include "tests/window_support/window_test_support.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <sstream>

namespace tavenor {
namespace {

// The selected notes 你, a rest and 好, as OpenUtau hands them over with encoding=UTF-8: a byte
// order mark, LF line ends, a PREV and a NEXT around them.
const QByteArray kOpenUtauNotes = "\xEF\xBB\xBF"
                                  "[#SETTING]\n"
                                  "Tempo=120\n"
                                  "Tracks=1\n"
                                  "CacheDir=/home/singer/.cache/OpenUtau\n"
                                  "Mode2=True\n"
                                  "[#PREV]\n"
                                  "Length=480\n"
                                  "Lyric=R\n"
                                  "NoteNum=60\n"
                                  "PreUtterance=\n"
                                  "[#0000]\n"
                                  "Length=480\n"
                                  "Lyric=\xE4\xBD\xA0\n"
                                  "NoteNum=60\n"
                                  "PreUtterance=\n"
                                  "PBS=-40;0\n"
                                  "PBW=80\n"
                                  "[#0001]\n"
                                  "Length=240\n"
                                  "Lyric=R\n"
                                  "NoteNum=60\n"
                                  "PreUtterance=\n"
                                  "[#0002]\n"
                                  "Length=480\n"
                                  "Lyric=\xE5\xA5\xBD\n"
                                  "NoteNum=62\n"
                                  "PreUtterance=\n"
                                  "[#NEXT]\n"
                                  "Length=480\n"
                                  "Lyric=a\n"
                                  "NoteNum=64\n"
                                  "PreUtterance=\n";
// 你 sings に; 好 sings は, and its お takes the last 120 ticks as a note inserted after it.
const QByteArray kOpenUtauFilled = "\xEF\xBB\xBF"
                                   "[#SETTING]\n"
                                   "Tempo=120\n"
                                   "Tracks=1\n"
                                   "CacheDir=/home/singer/.cache/OpenUtau\n"
                                   "Mode2=True\n"
                                   "[#PREV]\n"
                                   "Length=480\n"
                                   "Lyric=R\n"
                                   "NoteNum=60\n"
                                   "PreUtterance=\n"
                                   "[#0000]\n"
                                   "Length=480\n"
                                   "Lyric=\xE3\x81\xAB\n"
                                   "NoteNum=60\n"
                                   "PreUtterance=\n"
                                   "PBS=-40;0\n"
                                   "PBW=80\n"
                                   "[#0001]\n"
                                   "Length=240\n"
                                   "Lyric=R\n"
                                   "NoteNum=60\n"
                                   "PreUtterance=\n"
                                   "[#0002]\n"
                                   "Length=360\n"
                                   "Lyric=\xE3\x81\xAF\n"
                                   "NoteNum=62\n"
                                   "PreUtterance=\n"
                                   "[#INSERT]\n"
                                   "Length=120\n"
                                   "Lyric=\xE3\x81\x8A\n"
                                   "NoteNum=62\n"
                                   "[#NEXT]\n"
                                   "Length=480\n"
                                   "Lyric=a\n"
                                   "NoteNum=64\n"
                                   "PreUtterance=\n";

// The same melody as UTAU hands it over: Shift-JIS whatever plugin.txt says, CR LF, and lyrics
// the notes cannot hold in Chinese (あ, a).
const QByteArray kUtauNotes = "[#VERSION]\r\n"
                              "UST Version1.2\r\n"
                              "[#SETTING]\r\n"
                              "Tempo=120.00\r\n"
                              "Tracks=1\r\n"
                              "VoiceDir=%VOICE%uta\r\n"
                              "CacheDir=C:\\UTAU\\cache\r\n"
                              "Mode2=True\r\n"
                              "[#0000]\r\n"
                              "Length=480\r\n"
                              "Lyric=\x82\xA0\r\n"
                              "NoteNum=60\r\n"
                              "Intensity=100\r\n"
                              "[#0001]\r\n"
                              "Length=240\r\n"
                              "Lyric=R\r\n"
                              "NoteNum=60\r\n"
                              "[#0002]\r\n"
                              "Length=480\r\n"
                              "Lyric=a\r\n"
                              "NoteNum=62\r\n"
                              "Intensity=100\r\n";
// The same fill in Shift-JIS: に 82 C9, は 82 CD, お 82 A8.
const QByteArray kUtauFilled = "[#VERSION]\r\n"
                               "UST Version1.2\r\n"
                               "[#SETTING]\r\n"
                               "Tempo=120.00\r\n"
                               "Tracks=1\r\n"
                               "VoiceDir=%VOICE%uta\r\n"
                               "CacheDir=C:\\UTAU\\cache\r\n"
                               "Mode2=True\r\n"
                               "[#0000]\r\n"
                               "Length=480\r\n"
                               "Lyric=\x82\xC9\r\n"
                               "NoteNum=60\r\n"
                               "Intensity=100\r\n"
                               "[#0001]\r\n"
                               "Length=240\r\n"
                               "Lyric=R\r\n"
                               "NoteNum=60\r\n"
                               "[#0002]\r\n"
                               "Length=360\r\n"
                               "Lyric=\x82\xCD\r\n"
                               "NoteNum=62\r\n"
                               "Intensity=100\r\n"
                               "[#INSERT]\r\n"
                               "Length=120\r\n"
                               "Lyric=\x82\xA8\r\n"
                               "NoteNum=62\r\n";

const QByteArray kNiHao = "\xE4\xBD\xA0\xE5\xA5\xBD"; // 你好

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Run {
    int exitCode;
    std::string err;
};

Run runPlugin(const QStringList& arguments)
{
    static const UnihanPinyinProvider provider;
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode
        = RunPlugin(QStringList{QStringLiteral("tavenor-plugin")} + arguments, out, err, provider);
    return {exitCode, err.str()};
}

// Acts on the plugin's dialog from inside its event loop, once it shows.
void whenDialogShows(std::function<void(QDialog&)> act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog->objectName() != QLatin1String("FillDialog"))
            return;
        poll->stop();
        poll->deleteLater();
        act(*dialog);
    });
    poll->start(5);
}

void clickButton(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    dialog.findChild<QDialogButtonBox*>()->button(which)->click();
}

} // namespace

class PluginTest final : public QObject {
    Q_OBJECT

private slots:
    // A fresh folder for each row, so that a row sees only the files it made.
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void fillsWithoutWindow_data()
    {
        QTest::addColumn<QByteArray>("notes");
        QTest::addColumn<QByteArray>("lyrics");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("filled");
        QTest::addColumn<QString>("reports");
        QTest::newRow("OpenUtau: UTF-8 with its mark, LF")
            << kOpenUtauNotes << kNiHao + "\n"
            << QStringList() << kOpenUtauFilled << QString();
        QTest::newRow("UTAU: Shift-JIS, CR LF")
            << kUtauNotes << kNiHao << QStringList() << kUtauFilled << QString();
        QTest::newRow("romaji, unsplit, a character left over")
            << kOpenUtauNotes << kNiHao + "\xE5\x90\x97" // 吗
            << QStringList{"--romaji", "--split=no"}
            << QByteArray(kOpenUtauNotes)
                   .replace("Lyric=\xE4\xBD\xA0", "Lyric=ni")
                   .replace("Lyric=\xE5\xA5\xBD", "Lyric=ha")
            << QStringLiteral(
                   "tavenor-plugin: 1 character of the lyrics left over without a note: \"吗\"\n");
    }

    void fillsWithoutWindow()
    {
        QFETCH(QByteArray, notes);
        QFETCH(QByteArray, lyrics);
        QFETCH(QStringList, options);
        QFETCH(QByteArray, filled);
        QFETCH(QString, reports);
        const QString ust = m_dir->filePath(QStringLiteral("notes.tmp"));
        const QString lyricsFile = m_dir->filePath(QStringLiteral("lyrics.txt"));
        QVERIFY(writeAll(ust, notes) && writeAll(lyricsFile, lyrics));
        const Run run = runPlugin(QStringList{"--lyrics", lyricsFile} + options + QStringList{ust});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromStdString(run.err), reports);
        QCOMPARE(readAll(ust), filled);
    }

    // The dialog starts with the notes' own characters; only OK writes, and then what the run
    // without a window writes for the same lyrics.
    void dialogWritesOnlyOnOk_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("filled");
        QTest::newRow("OK") << 0 << kOpenUtauFilled;
        QTest::newRow("Cancel") << 1 << kOpenUtauNotes;
        QTest::newRow("closed") << 2 << kOpenUtauNotes;
    }

    void dialogWritesOnlyOnOk()
    {
        QFETCH(int, answer);
        QFETCH(QByteArray, filled);
        const QString ust = m_dir->filePath(QStringLiteral("notes.tmp"));
        QVERIFY(writeAll(ust, kOpenUtauNotes));
        QString shownLyrics;
        whenDialogShows([answer, &shownLyrics](QDialog& dialog) {
            shownLyrics = dialog.findChild<QPlainTextEdit*>(QStringLiteral("歌词"))->toPlainText();
            if (answer == 0)
                clickButton(dialog, QDialogButtonBox::Ok);
            else if (answer == 1)
                clickButton(dialog, QDialogButtonBox::Cancel);
            else
                dialog.close();
        });
        const Run run = runPlugin({ust});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(shownLyrics, QString::fromUtf8(kNiHao));
        QCOMPARE(readAll(ust), filled);
    }

    // Each row edits the dialog's lyrics or pinyin list, then reads one row of the preview.
    void previewMarks_data()
    {
        QTest::addColumn<QString>("lyrics"); // empty: the notes' own characters
        QTest::addColumn<QString>("pinyin"); // empty: as the lyrics give it
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("remark");
        QTest::newRow("a note split in two")
            << QString() << QString() << 2 << QStringLiteral("は + お")
            << QStringLiteral("拆分为 2 个音符");
        QTest::newRow("a rest kept")
            << QString() << QString() << 1 << QStringLiteral("R") << QString();
        QTest::newRow("a syllable the table lacks, typed into the list")
            << QString() << QStringLiteral("ni,xyz,") << 2 << QStringLiteral("xyz")
            << QStringLiteral("表中无此音节：xyz");
        QTest::newRow("lyrics left over") << QStringLiteral("你好吗") << QString() << 3 << QString()
                                          << QStringLiteral("剩余歌词 1 字：吗");
    }

    void previewMarks()
    {
        QFETCH(QString, lyrics);
        QFETCH(QString, pinyin);
        QFETCH(int, row);
        QFETCH(QString, after);
        QFETCH(QString, remark);
        const QString ust = m_dir->filePath(QStringLiteral("notes.tmp"));
        QVERIFY(writeAll(ust, kOpenUtauNotes));
        const NotesFile file(ust);
        SyllableTable table;
        LoadSyllableTable(table);
        const UnihanPinyinProvider provider;
        FillDialog dialog(file, FillOptions{}, table, provider);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        if (!lyrics.isEmpty())
            dialog.findChild<QPlainTextEdit*>(QStringLiteral("歌词"))->setPlainText(lyrics);
        auto* list = dialog.findChild<QLineEdit*>(QStringLiteral("拼音"));
        if (!pinyin.isEmpty())
            testing::Paste(list, pinyin);
        const auto* preview = dialog.findChild<QTableWidget*>(QStringLiteral("预览"));
        QVERIFY(row < preview->rowCount());
        QCOMPARE(preview->item(row, 2)->text(), after);
        QCOMPARE(preview->item(row, 3)->text(), remark);
    }

    // A file that cannot be read or is no notes file: one line naming it, exit 1, and the file
    // as it was (or still missing).
    void badFileWritesNothing_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("notes");
        QTest::addColumn<bool>("dialog");
        QTest::newRow("missing") << false << QByteArray() << false;
        QTest::newRow("missing, dialog") << false << QByteArray() << true;
        QTest::newRow("no notes file") << true << QByteArray("Lyric=a\n[#0000\n") << false;
    }

    void badFileWritesNothing()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, notes);
        QFETCH(bool, dialog);
        const QString ust = m_dir->filePath(QStringLiteral("bad.tmp"));
        const QString lyricsFile = m_dir->filePath(QStringLiteral("lyrics.txt"));
        QVERIFY(writeAll(lyricsFile, kNiHao));
        if (exists)
            QVERIFY(writeAll(ust, notes));
        testing::AnsweredBox box;
        if (dialog)
            testing::answerNextMessageBox(box, QMessageBox::Ok);
        const Run run = dialog ? runPlugin({ust}) : runPlugin({"--lyrics", lyricsFile, ust});
        QCOMPARE(run.exitCode, 1);
        const std::string prefix = "tavenor-plugin: " + ust.toStdString() + ": ";
        QVERIFY2(run.err.starts_with(prefix) && run.err.find('\n') == run.err.size() - 1,
                 run.err.c_str());
        QCOMPARE(box.seen, dialog);
        if (dialog)
            QCOMPARE(box.text.toStdString() + '\n', run.err.substr(16));
        QCOMPARE(QFile::exists(ust), exists);
        if (exists)
            QCOMPARE(readAll(ust), notes);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), exists ? 2 : 1);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

} // namespace tavenor

QTEST_MAIN(tavenor::PluginTest)
#include "plugin_test.moc"
