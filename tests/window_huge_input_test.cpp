// A megabyte pasted into the real window, lyrics or pinyin: every box must hold exactly what the
// core makes of the same text.

#include "app/application_setup.h"
#include "app/main_window.h"
#include "app/widget_boxes.h"
#include "codec/gb18030_codec.h"
#include "pinyin/build_pinyin_list.h"
#include "pinyin/unihan_pinyin_provider.h"
#include "romaji/romaji_conversion.h"
#include "table/syllable_table.h"
#include "tests/support/first_difference.h"
#include "tests/window_support/window_test_support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <string>

namespace tavenor {
namespace {

constexpr qsizetype kMegabyte = qsizetype{1} << 20;

// Where two megabytes differ, as Qt Test's message: QVERIFY alone says only that they do.
std::string differenceOf(const std::string& actual, const std::string& expected)
{
    return testing::FirstDifference(actual, expected);
}

std::string differenceOf(const QString& actual, const QString& expected)
{
    if (actual == expected)
        return {};
    const std::string shown
        = testing::FirstDifference(actual.toStdString(), expected.toStdString());
    return shown.empty() ? "the texts differ only in what UTF-8 cannot show" : shown;
}

#define VERIFY_SAME_TEXT(actual, expected)                                                         \
    do {                                                                                           \
        const std::string difference = differenceOf(actual, expected);                             \
        QVERIFY2(difference.empty(), difference.c_str());                                          \
    } while (false)

// The huge lyrics hold no "lu": its question would wait for a user.
class NoQuestionExpected final : public LuQuestion {
public:
    bool askIsLu(std::string_view, std::string_view, const LuOccurrence&) override
    {
        qFatal("the lyrics were meant to hold no lu");
    }
};

QString repeatedToAMegabyte(const QString& block)
{
    QString text;
    while (ToGb18030(text).size() < static_cast<std::size_t>(kMegabyte))
        text += block.repeated(1000);
    return text;
}

} // namespace

class WindowHugeInputTest : public QObject {
    Q_OBJECT

private:
    // The four result boxes against the core's conversion of the pinyin box's text.
    void compareResultsWithTheCore(const std::string& pinyin)
    {
        WidgetBoxes boxes(*m_fixture.window());
        const RomajiTexts texts = ConvertPinyinText(pinyin, m_fixture.table());
        VERIFY_SAME_TEXT(boxes.read(box::Decomposition), texts.decomposition);
        VERIFY_SAME_TEXT(boxes.read(box::Romaji), texts.romaji);
        VERIFY_SAME_TEXT(boxes.read(box::Final), texts.final);
        VERIFY_SAME_TEXT(boxes.read(box::History),
                         ToGb18030(QStringLiteral("历史...")) + texts.history);
    }

    QLineEdit* box(const char* name) const { return m_fixture.control<QLineEdit>(name); }

    UnihanPinyinProvider m_provider;
    testing::WindowFixture m_fixture{m_provider};

private slots:
    void initTestCase() { SetUpApplication(); }
    void init() { QVERIFY(m_fixture.open()); }
    void cleanup() { m_fixture.close(); }

    // Word wrap is quadratic in a line with no word boundary, such as the decomposition of a long
    // song (45 s for a megabyte of lyrics); the boxes that hold such lines break anywhere.
    void boxesOfLongWordsBreakAnywhere_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("wrap");
        QTest::newRow("decomposition") << "编辑框3" << int(QTextOption::WrapAnywhere);
        QTest::newRow("history") << "编辑框5" << int(QTextOption::WrapAnywhere);
        QTest::newRow("romaji breaks at blanks")
            << "编辑框4" << int(QTextOption::WrapAtWordBoundaryOrAnywhere);
        QTest::newRow("final breaks at blanks")
            << "编辑框6" << int(QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    void boxesOfLongWordsBreakAnywhere()
    {
        QFETCH(QString, box);
        QFETCH(int, wrap);
        QCOMPARE(int(m_fixture.control<QPlainTextEdit>(box)->wordWrapMode()), wrap);
    }

    void megabyteOfLyrics()
    {
        // Verse, full-width punctuation, a blank, a Latin letter, an emoji and Extension B.
        const QString lyrics = repeatedToAMegabyte(QStringLiteral("春眠不觉晓，处处闻啼鸟。 a😀𠀀"));
        testing::Paste(box("编辑框1"), lyrics);

        VERIFY_SAME_TEXT(box("编辑框1")->text(), lyrics);
        NoQuestionExpected noQuestion;
        const std::string list = BuildPinyinList(ToGb18030(lyrics), m_provider, noQuestion);
        QVERIFY(list.starts_with("chun,mian,bu,jue,xiao,,chu,chu,wen,ti,niao,,,,,he,"));
        VERIFY_SAME_TEXT(ToGb18030(box("编辑框2")->text()), list);
        compareResultsWithTheCore(list);
    }

    // A key pressed in the pinyin box while a pasted megabyte of lyrics converts waits its turn:
    // it edits the list the paste wrote, and both conversions reach the history, in order.
    void megabyteOfLyricsThenAPinyinEditAtOnce()
    {
        const QString lyrics = repeatedToAMegabyte(QStringLiteral("春眠不觉晓，处处闻啼鸟。"));
        WidgetBoxes boxes(*m_fixture.window());
        const std::string historyBefore = boxes.read(box::History);
        QCoreApplication::postEvent(
            box("编辑框2"),
            new QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("a")));
        testing::Paste(box("编辑框1"), lyrics);
        QCoreApplication::processEvents();

        NoQuestionExpected noQuestion;
        const std::string list = BuildPinyinList(ToGb18030(lyrics), m_provider, noQuestion);
        VERIFY_SAME_TEXT(ToGb18030(box("编辑框2")->text()), list + "a");
        const std::string history = historyBefore
            + ConvertPinyinText(list, m_fixture.table()).history
            + ConvertPinyinText(list + "a", m_fixture.table()).history;
        VERIFY_SAME_TEXT(boxes.read(box::History), history);
        const RomajiTexts texts = ConvertPinyinText(list + "a", m_fixture.table());
        VERIFY_SAME_TEXT(boxes.read(box::Final), texts.final);
        VERIFY_SAME_TEXT(boxes.read(box::Decomposition), texts.decomposition);
    }

    void megabyteOfPinyin()
    {
        const QString pinyin
            = repeatedToAMegabyte(QStringLiteral("zhi,chuang,shun,jue,xu,yun,,Ba, ba,你,😀u,lu,"));
        testing::Paste(box("编辑框2"), pinyin);

        VERIFY_SAME_TEXT(box("编辑框2")->text(), pinyin);
        compareResultsWithTheCore(ToGb18030(pinyin));
    }
};

} // namespace tavenor

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    tavenor::WindowHugeInputTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_huge_input_test.moc"
