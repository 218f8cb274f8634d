#include "app/application_setup.h"
#include "app/main_window.h"
#include "app/widget_boxes.h"
#include "pinyin/unihan_pinyin_provider.h"
#include "table/syllable_table.h"
#include "tests/window_support/window_test_support.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QAccessibleInterface>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

namespace tavenor {
namespace {

using testing::AnsweredBox;
using testing::answerNextMessageBox;
using testing::typeText;

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kCyan = qRgb(0, 255, 255);
constexpr QRgb kGreen = qRgb(0, 255, 0);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kSilver = qRgb(192, 192, 192);

const QStringList kResultBoxes{"编辑框3", "编辑框4", "编辑框6", "编辑框5"};

// Anti-aliased text in colour c on black only has pixels k * c for some 0 <= k <= 1.
bool isShadeOf(QRgb pixel, QRgb colour)
{
    const int p[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    const int c[3] = {qRed(colour), qGreen(colour), qBlue(colour)};
    for (int i = 0; i < 3; ++i) {
        if (p[i] > c[i])
            return false;
        for (int j = 0; j < 3; ++j) {
            if (std::abs(p[i] * c[j] - p[j] * c[i]) > 3 * 255)
                return false;
        }
    }
    return true;
}

struct Colours {
    int brightest = 0; // the highest channel value of any pixel
    int foreign = 0; // pixels that are no shade of the colour
};

Colours countColours(const QImage& image, const QRect& rect, QRgb colour)
{
    Colours counted;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            counted.brightest
                = std::max({counted.brightest, qRed(pixel), qGreen(pixel), qBlue(pixel)});
            counted.foreign += isShadeOf(pixel, colour) ? 0 : 1;
        }
    }
    return counted;
}

QAccessibleInterface* accessibleOf(QObject* object)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    if (accessible == nullptr)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return accessible;
}

} // namespace

namespace {

// How many whole lines a box shows, scrolled to the top and by one pixel; 0 when a line is cut
// off or the text does not start at the top.
int linesShownBy(QPlainTextEdit* box)
{
    box->setPlainText("1\n2\n3\n4\n5\n6");
    int shown = 0;
    for (const int scrolledBy : {0, 1}) {
        box->verticalScrollBar()->setValue(scrolledBy);
        QTextCursor line = box->cursorForPosition(QPoint(0, 0));
        const QRect top = box->cursorRect(line);
        line.movePosition(QTextCursor::NextBlock);
        const int lineHeight = box->cursorRect(line).top() - top.top();
        if (top.top() != 0 || top.height() != lineHeight
            || box->viewport()->height() % lineHeight != 0)
            return 0;
        shown = box->viewport()->height() / lineHeight;
    }
    return shown;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    QLineEdit* lyricsBox() const { return m_fixture.control<QLineEdit>("编辑框1"); }
    QLineEdit* pinyinBox() const { return m_fixture.control<QLineEdit>("编辑框2"); }

    testing::ScriptedProvider m_provider = testing::LyricsProvider();
    testing::WindowFixture m_fixture{m_provider};

private slots:
    void initTestCase() { SetUpApplication(); }

    void init()
    {
        m_provider.calls.clear();
        QVERIFY(m_fixture.open());
    }

    void cleanup() { m_fixture.close(); }

    void startsWithTheInitialContents_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::newRow("lyrics") << "编辑框1"
                                << "请保证这里纯中文";
        QTest::newRow("pinyin") << "编辑框2"
                                << "";
        QTest::newRow("decomposition") << "编辑框3"
                                       << "注意区别v,u";
        QTest::newRow("romaji") << "编辑框4"
                                << "这里显示罗马结果";
        QTest::newRow("final") << "编辑框6"
                               << "这里显示最终结果";
        QTest::newRow("history") << "编辑框5"
                                 << "历史...";
    }
    void startsWithTheInitialContents()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QCOMPARE(m_fixture.boxText(box), text);
    }

    void labelsShowTheirCaptions()
    {
        QCOMPARE(m_fixture.control<QLabel>("标签1")->text(), "请输入中文歌词：");
        QCOMPARE(m_fixture.control<QLabel>("标签2")->text(), "请调整中文拼音：");
        QVERIFY(m_fixture.window()->windowTitle().startsWith("TavenorV2.0    by:"));
        QVERIFY(m_fixture.window()->windowTitle().size() > QString("TavenorV2.0    by:").size());
    }

    void controlsSitWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("clientRect");
        QTest::addColumn<bool>("inFrame");
        QTest::newRow("frame") << "外形框1" << QRect(8, 8, 368, 328) << false;
        QTest::newRow("label 1") << "标签1" << QRect(24, 28, 96, 16) << true;
        QTest::newRow("lyrics") << "编辑框1" << QRect(136, 24, 224, 24) << true;
        QTest::newRow("label 2") << "标签2" << QRect(24, 60, 96, 16) << true;
        QTest::newRow("pinyin") << "编辑框2" << QRect(136, 56, 224, 24) << true;
        QTest::newRow("decomposition") << "编辑框3" << QRect(25, 90, 335, 38) << true;
        QTest::newRow("romaji") << "编辑框4" << QRect(25, 136, 335, 40) << true;
        QTest::newRow("final") << "编辑框6" << QRect(24, 184, 335, 144) << true;
        QTest::newRow("history") << "编辑框5" << QRect(384, 8, 64, 328) << false;
    }
    void controlsSitWhereTheLayoutPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QRect, clientRect);
        QFETCH(bool, inFrame);
        auto* widget = m_fixture.control<QWidget>(name);
        QWidget* expectedParent
            = inFrame ? m_fixture.control<QWidget>("外形框1") : m_fixture.window();
        QCOMPARE(widget->parentWidget(), expectedParent);
        QCOMPARE(QRect(widget->mapTo(m_fixture.window(), QPoint(0, 0)), widget->size()),
                 clientRect);
        if (inFrame)
            QCOMPARE(widget->pos(), clientRect.topLeft() - QPoint(8, 8));
    }

    // The title bar's sizes are drawn for them, not scaled down from 46 x 45.
    void windowShowsTheProgramIcon_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QSize>("size");
        QTest::newRow("46 x 45") << ":/icon.png" << QSize(46, 45);
        QTest::newRow("16") << ":/16x16.png" << QSize(16, 16);
        QTest::newRow("24") << ":/24x24.png" << QSize(24, 24);
    }
    void windowShowsTheProgramIcon()
    {
        QFETCH(QString, picture);
        QFETCH(QSize, size);
        const QImage icon(picture);
        QCOMPARE(icon.size(), size);
        QCOMPARE(m_fixture.window()->windowIcon().pixmap(size).toImage().convertToFormat(
                     QImage::Format_ARGB32),
                 icon.convertToFormat(QImage::Format_ARGB32));
    }

    void windowHasAFixedSizeAtItsPlace()
    {
        QCOMPARE(m_fixture.window()->size(), QSize(448, 336));
        QCOMPARE(m_fixture.window()->minimumSize(), QSize(448, 336));
        QCOMPARE(m_fixture.window()->maximumSize(), QSize(448, 336));
        QVERIFY(!m_fixture.window()->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        m_fixture.window()->resize(600, 500);
        QCOMPARE(m_fixture.window()->size(), QSize(448, 336));
        QCOMPARE(m_fixture.window()->pos(), QPoint(50, 50));
    }

    void controlsShowTheirColours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("label 1") << "标签1" << kCyan;
        QTest::newRow("label 2") << "标签2" << kCyan;
        QTest::newRow("lyrics") << "编辑框1" << kCyan;
        QTest::newRow("decomposition") << "编辑框3" << kCyan;
        QTest::newRow("romaji") << "编辑框4" << kGreen;
        QTest::newRow("final") << "编辑框6" << kYellow;
        QTest::newRow("history") << "编辑框5" << kSilver;
    }
    void controlsShowTheirColours()
    {
        QFETCH(QString, name);
        QFETCH(QRgb, colour);
        auto* widget = m_fixture.control<QWidget>(name);
        // Without focus: no caret, and the prompt is not selected.
        QApplication::focusWidget()->clearFocus();
        const QImage image = widget->grab().toImage();
        const bool isBox = !name.startsWith("标签");
        QRect text = image.rect();
        if (isBox) {
            // A visible border around a black inside, also for the read-only boxes.
            QCOMPARE(QColor(image.pixel(0, image.height() / 2)), QColor(128, 128, 128));
            QCOMPARE(QColor(image.pixel(image.width() / 2, image.height() - 1)),
                     QColor(128, 128, 128));
            text = image.rect().adjusted(1, 1, -1, -1);
            if (auto* box = qobject_cast<QPlainTextEdit*>(widget);
                box != nullptr && box->verticalScrollBar()->isVisible())
                text.setRight(box->viewport()->geometry().right());
        }
        const Colours counted = countColours(image, text, colour);
        QVERIFY2(counted.brightest
                     >= 9 * std::max({qRed(colour), qGreen(colour), qBlue(colour)}) / 10,
                 "the text shows in its colour");
        QCOMPARE(counted.foreign, 0);
    }

    void windowIsBlackWithASilverFrame()
    {
        const QImage image = m_fixture.window()->grab().toImage();
        QCOMPARE(QColor(image.pixel(2, 2)), QColor(kBlack));
        QCOMPARE(QColor(image.pixel(380, 200)), QColor(kBlack));
        QCOMPARE(QColor(image.pixel(8, 80)), QColor(kSilver));
        QCOMPARE(QColor(image.pixel(375, 80)), QColor(kSilver));
        QCOMPARE(QColor(image.pixel(200, 8)), QColor(kSilver));
        QCOMPARE(QColor(image.pixel(200, 335)), QColor(kSilver));
        QCOMPARE(QColor(image.pixel(9, 80)), QColor(kBlack));
    }

    void onlyTheFinalBoxHasAScrollBar()
    {
        for (const QString& name : kResultBoxes) {
            auto* box = m_fixture.control<QPlainTextEdit>(name);
            QCOMPARE(box->verticalScrollBar()->isVisible(), name == "编辑框6");
            QVERIFY(!box->horizontalScrollBar()->isVisible());
        }
    }

    void labelsFitAtNinePointsInAChineseFace()
    {
        for (const QString name : {"标签1", "标签2"})
            QCOMPARE(m_fixture.control<QLabel>(name)->font().pointSize(), 9);
        QCOMPARE(QFontInfo(lyricsBox()->font()).family(), "WenQuanYi Micro Hei");
    }

    // Each Chinese face that Debian packages (fonts-wqy-microhei, fonts-noto-cjk), alone: the
    // captions fit their labels and the two-line boxes show two whole lines.
    void windowTextsShowWholeInEachChineseFace_data()
    {
        QTest::addColumn<QString>("face");
        for (const char* face : {"WenQuanYi Micro Hei", "Noto Sans CJK SC"})
            QTest::newRow(face) << face;
    }
    void windowTextsShowWholeInEachChineseFace()
    {
        QFETCH(QString, face);
        if (!QFontDatabase::hasFamily(face))
            QSKIP("face not installed");
        const QFont applicationFont = QApplication::font();
        const auto restoreFont = qScopeGuard([&] { QApplication::setFont(applicationFont); });
        QApplication::setFont(ApplicationFont({face}));
        m_fixture.close();
        QVERIFY(m_fixture.open());
        QCOMPARE(QFontInfo(lyricsBox()->font()).family(), face);
        for (const QString name : {"标签1", "标签2"}) {
            auto* label = m_fixture.control<QLabel>(name);
            const QFontMetrics metrics = label->fontMetrics();
            QVERIFY(metrics.horizontalAdvance(label->text()) <= label->width());
            QVERIFY(metrics.height() <= label->height());
        }
        for (const QString name : {"编辑框3", "编辑框4"})
            QCOMPARE(linesShownBy(m_fixture.control<QPlainTextEdit>(name)), 2);
    }

    void tabVisitsLyricsPinyinThenResults()
    {
        QCOMPARE(QApplication::focusWidget(), lyricsBox());
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited,
                 QStringList({"编辑框1", "编辑框2", "编辑框3", "编辑框4", "编辑框6", "编辑框5",
                              "编辑框1"}));
    }

    void boxesHaveAccessibleNames()
    {
        for (const QString name :
             {"编辑框1", "编辑框2", "编辑框3", "编辑框4", "编辑框5", "编辑框6"})
            QVERIFY2(!m_fixture.control<QWidget>(name)->accessibleName().isEmpty(),
                     qPrintable(name));
    }

    void boxesHaveNoLengthLimit()
    {
        const QString song(40000, QChar(u'你'));
        testing::Paste(lyricsBox(), song);
        QCOMPARE(lyricsBox()->text(), song);
        QCOMPARE(pinyinBox()->text().size(), 40000 * 3);
    }

    void typingOneCharacterUpdatesEveryBoxAtOnce()
    {
        // The prompt is selected at start-up: the first character replaces it.
        typeText(lyricsBox(), "你");
        QCOMPARE(lyricsBox()->text(), "你");
        QCOMPARE(pinyinBox()->text(), "ni,");
        QCOMPARE(m_fixture.boxText("编辑框3"), "n,i,");
        QCOMPARE(m_fixture.boxText("编辑框4"), "ni , ");
        QCOMPARE(m_fixture.boxText("编辑框6"), "ni[J i]\n");
        // One conversion: the program's own writes to the pinyin box convert nothing more. The
        // first line joins the history's start.
        QCOMPARE(m_fixture.boxText("编辑框5"), "历史...ni\n");
    }

    void inputMethodCommitConvertsOnce()
    {
        QInputMethodEvent commit;
        commit.setCommitString("你好");
        QApplication::sendEvent(lyricsBox(), &commit);
        QCOMPARE(lyricsBox()->text(), "你好");
        QCOMPARE(pinyinBox()->text(), "ni,hao,");
        QCOMPARE(m_fixture.boxText("编辑框5"), "历史...ni\nhao\n");
    }

    void pastingASongConvertsItWhole()
    {
        testing::Paste(lyricsBox(), "你好𠀀");
        QCOMPARE(lyricsBox()->text(), "你好𠀀");
        QCOMPARE(pinyinBox()->text(), "ni,hao,he,");
        QCOMPARE(m_fixture.boxText("编辑框3"), "n,i,h,ao,h,e,");
        QCOMPARE(m_fixture.boxText("编辑框6"),
                 "ni[J i]\nha[h a o]←------此读音需改变\nha[h a N\\]←------此读音需改变\n");
        QCOMPARE(m_fixture.boxText("编辑框5"), "历史...ni\nhao\nhe\n");
    }

    void editingThePinyinConvertsAtEveryKeystroke()
    {
        typeText(lyricsBox(), "你");
        pinyinBox()->setFocus();
        pinyinBox()->end(false);
        QTest::keyClicks(pinyinBox(), "hao,");
        QCOMPARE(lyricsBox()->text(), "你");
        QCOMPARE(pinyinBox()->text(), "ni,hao,");
        QCOMPARE(m_fixture.boxText("编辑框4"), "ni , ha o , ");
        QCOMPARE(m_fixture.boxText("编辑框5"), "历史...ni\nni\nh\nni\nha\nni\nhao\nni\nhao\n");
        QCOMPARE(m_provider.calls.size(), 2U);
    }

    void emptyingTheLyricsEmptiesTheResultsAndKeepsTheHistory()
    {
        typeText(lyricsBox(), "你好");
        const QString history = m_fixture.boxText("编辑框5");
        QTest::keyClick(lyricsBox(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(lyricsBox(), Qt::Key_Backspace);
        QCOMPARE(lyricsBox()->text(), "");
        for (const QString name : {"编辑框2", "编辑框3", "编辑框4", "编辑框6"})
            QCOMPARE(m_fixture.boxText(name), "");
        QCOMPARE(m_fixture.boxText("编辑框5"), history);
    }

    void resultBoxesRefuseTypingAndAllowCopying_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : kResultBoxes)
            QTest::newRow(qPrintable(name)) << name;
    }
    void resultBoxesRefuseTypingAndAllowCopying()
    {
        QFETCH(QString, name);
        typeText(lyricsBox(), "你好");
        auto* box = m_fixture.control<QPlainTextEdit>(name);
        const QString before = box->toPlainText();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClicks(box, "x ");
        typeText(box, "鲁");
        for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return})
            QTest::keyClick(box, key);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        // An input method is told the box takes no text, and what it commits anyway is dropped.
        QInputMethodQueryEvent query(Qt::ImEnabled);
        QApplication::sendEvent(box, &query);
        QVERIFY(!query.value(Qt::ImEnabled).toBool());
        QInputMethodEvent commit;
        commit.setCommitString("鲁");
        QApplication::sendEvent(box, &commit);
        QCOMPARE(box->toPlainText(), before);

        // A drag with the mouse selects.
        QWidget* viewport = box->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(3, 6));
        // QTest::mouseMove() moves with no button held: send the drag itself.
        QMouseEvent drag(QEvent::MouseMove, QPointF(30, 6), viewport->mapToGlobal(QPointF(30, 6)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drag);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(30, 6));
        QVERIFY(box->textCursor().hasSelection());
        QVERIFY(before.startsWith(box->textCursor().selectedText()));

        // So does the keyboard, and the selection copies.
        QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(box->textCursor().selectedText(), before.left(1));
        QApplication::clipboard()->clear();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), before);
    }

    void selectionIsHiddenWithoutFocus()
    {
        typeText(lyricsBox(), "你好");
        auto* box = m_fixture.control<QPlainTextEdit>("编辑框4");
        box->setFocus();
        box->selectAll();
        const QRect inside = box->rect().adjusted(1, 1, -1, -1);
        QVERIFY(countColours(box->grab().toImage(), inside, kGreen).foreign > 0);
        lyricsBox()->setFocus();
        QVERIFY(box->textCursor().hasSelection());
        QCOMPARE(countColours(box->grab().toImage(), inside, kGreen).foreign, 0);
    }

    void qtOwnTextsAreChinese()
    {
        const std::unique_ptr<QMenu> menu(lyricsBox()->createStandardContextMenu());
        QCOMPARE(menu->actions().first()->text().section('\t', 0, 0), "撤消(&U)");
    }

    // Line edits and multi-line boxes alike: the border takes the text's colour with the focus.
    void focusedBoxShowsItsBorderInItsTextColour_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("lyrics") << "编辑框1" << kCyan;
        QTest::newRow("pinyin") << "编辑框2" << kCyan;
        QTest::newRow("decomposition") << "编辑框3" << kCyan;
        QTest::newRow("romaji") << "编辑框4" << kGreen;
        QTest::newRow("final") << "编辑框6" << kYellow;
        QTest::newRow("history") << "编辑框5" << kSilver;
    }
    void focusedBoxShowsItsBorderInItsTextColour()
    {
        QFETCH(QString, name);
        QFETCH(QRgb, colour);
        auto* box = m_fixture.control<QWidget>(name);
        const auto borderPixel = [box] {
            const QImage image = box->grab().toImage();
            return QColor(image.pixel(0, image.height() / 2));
        };
        box->setFocus();
        QCOMPARE(borderPixel(), QColor(colour));
        box->clearFocus();
        QCOMPARE(borderPixel(), QColor(128, 128, 128));
    }

    // However many lines a box holds, the ones it shows are whole, scrolled or not.
    void twoLineBoxesShowWholeLines_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("linesShown");
        QTest::newRow("decomposition") << "编辑框3" << 2;
        QTest::newRow("romaji") << "编辑框4" << 2;
    }
    void twoLineBoxesShowWholeLines()
    {
        QFETCH(QString, name);
        QFETCH(int, linesShown);
        QCOMPARE(linesShownBy(m_fixture.control<QPlainTextEdit>(name)), linesShown);
    }

    // The built-in readings: 绿 lǜ, 鲁 lǔ, 旅 lǚ. Return takes each character's own reading;
    // Escape and closing still mean 否.
    void luQuestionDefaultsToTheCharactersReading_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("pinyin");
        QTest::newRow("Return") << int(Qt::Key_Return) << "lv,lu,lv,";
        QTest::newRow("Escape") << int(Qt::Key_Escape) << "lv,lv,lv,";
        QTest::newRow("closed") << int(Qt::Key_unknown) << "lv,lv,lv,";
    }
    void luQuestionDefaultsToTheCharactersReading()
    {
        QFETCH(int, key);
        QFETCH(QString, pinyin);
        const UnihanPinyinProvider builtIn;
        testing::WindowFixture withBuiltInReadings{builtIn};
        QVERIFY(withBuiltInReadings.open());
        AnsweredBox seen[3];
        for (AnsweredBox& question : seen)
            answerNextMessageBox(question, QMessageBox::NoButton, Qt::Key(key));
        testing::Paste(withBuiltInReadings.control<QLineEdit>("编辑框1"), "绿鲁旅");
        for (const AnsweredBox& question : seen)
            QVERIFY(question.seen);
        QCOMPARE(withBuiltInReadings.boxText("编辑框2"), pinyin);
    }

    // A line break pasted into the pinyin box separates syllables as a comma does; none reaches
    // a result box or the history.
    void lineBreaksInThePinyinSeparateSyllables_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("LF") << "ni,hao\nwo,ai,";
        QTest::newRow("CR LF") << "ni,hao\r\nwo,ai,";
        QTest::newRow("CR") << "ni,hao\rwo,ai,";
        QTest::newRow("line break for the last comma") << "ni,hao,wo,ai\r\n";
    }
    void lineBreaksInThePinyinSeparateSyllables()
    {
        QFETCH(QString, pasted);
        const auto pasteAndConvert = [this](const QString& text) {
            const qsizetype historyBefore = m_fixture.boxText("编辑框5").size();
            testing::Paste(pinyinBox(), text);
            // The result boxes, and the lines that the history gained.
            QStringList results;
            for (const QString& name : kResultBoxes)
                results << m_fixture.boxText(name);
            results.last().remove(0, historyBefore);
            return results;
        };
        const QStringList withCommas = pasteAndConvert("ni,hao,wo,ai,");
        QCOMPARE(pasteAndConvert(pasted), withCommas);
        // The box keeps what was pasted, as QLineEdit shows it.
        QCOMPARE(pinyinBox()->text(), pasted);
    }

    // Each line break pasted into the lyrics is a unit without a reading.
    void lyricsKeepPastedLines()
    {
        testing::Paste(lyricsBox(), "你\n好\r\n你");
        QCOMPARE(lyricsBox()->text(), "你\n好\r\n你");
        QCOMPARE(pinyinBox()->text(), "ni,,hao,,,ni,");
        QCOMPARE(m_fixture.boxText("编辑框3"), "n,i,h,ao,n,i,");
    }

    // What an assistive tool (a screen reader, voice control) sees and does.
    void accessibleEditsOfTheInputBoxesConvert()
    {
        QAccessibleEditableTextInterface* lyrics
            = accessibleOf(lyricsBox())->editableTextInterface();
        lyrics->replaceText(0, int(lyricsBox()->text().size()), "你好");
        QCOMPARE(pinyinBox()->text(), "ni,hao,");
        QCOMPARE(m_fixture.boxText("编辑框4"), "ni , ha o , ");
        accessibleOf(pinyinBox())->editableTextInterface()->insertText(7, "ni,");
        QCOMPARE(pinyinBox()->text(), "ni,hao,ni,");
        QCOMPARE(m_fixture.boxText("编辑框4"), "ni , ha o , ni , ");
        QCOMPARE(lyricsBox()->text(), "你好");
        accessibleOf(lyricsBox())->setText(QAccessible::Value, "");
        QCOMPARE(pinyinBox()->text(), "");
        QCOMPARE(m_fixture.boxText("编辑框5"), "历史...ni\nhao\nni\nhao\nni\n");
    }

    // Keys and the mouse cannot reach the boxes behind the open lu question; an assistive tool
    // can, and is refused: the boxes say they are read-only, keep what they held, and nothing
    // converts. After the answer the boxes and the history are what the action alone writes.
    void editsBehindTheLuQuestionAreRefused_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("how");
        QTest::newRow("lyrics, value set") << "编辑框1"
                                           << "value";
        QTest::newRow("lyrics, text replaced") << "编辑框1"
                                               << "replace";
        QTest::newRow("lyrics, input method") << "编辑框1"
                                              << "input method";
        QTest::newRow("pinyin, value set") << "编辑框2"
                                           << "value";
        QTest::newRow("pinyin, text inserted") << "编辑框2"
                                               << "insert";
    }
    void editsBehindTheLuQuestionAreRefused()
    {
        QFETCH(QString, box);
        QFETCH(QString, how);
        auto* edited = m_fixture.control<QLineEdit>(box);
        struct Behind {
            int questions = 0;
            bool saidReadOnly = false;
            QStringList boxes; // lyrics, pinyin, final result, history after the attempt
        } behind;
        auto* poll = new QTimer(m_fixture.window());
        connect(poll, &QTimer::timeout, poll, [&] {
            auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (question == nullptr)
                return;
            ++behind.questions;
            QAccessibleInterface* accessible = accessibleOf(edited);
            behind.saidReadOnly = accessible->state().readOnly;
            if (how == "value") {
                accessible->setText(QAccessible::Value, "ni,");
            } else if (how == "replace") {
                accessible->editableTextInterface()->replaceText(0, 1, "你");
            } else if (how == "insert") {
                accessible->editableTextInterface()->insertText(0, "ni,");
            } else {
                QInputMethodEvent commit;
                commit.setCommitString("你");
                QApplication::sendEvent(edited, &commit);
            }
            for (const QString name : {"编辑框1", "编辑框2", "编辑框6", "编辑框5"})
                behind.boxes << m_fixture.boxText(name);
            question->button(QMessageBox::Yes)->click();
        });
        poll->start(5);
        typeText(lyricsBox(), "鲁");
        poll->stop();

        QCOMPARE(behind.questions, 1);
        QVERIFY(behind.saidReadOnly);
        QCOMPARE(behind.boxes, QStringList({"鲁", "", "这里显示最终结果", "历史..."}));
        QCOMPARE(pinyinBox()->text(), "lu,");
        QCOMPARE(m_fixture.boxText("编辑框5"), "历史...lu\n");
        QVERIFY(!accessibleOf(edited)->state().readOnly);
    }

    // The window closed while a question is open (by the session, or a tool) ends the program:
    // that question and the ones still to come count as No, and the message loop returns 0.
    void closingTheWindowDuringTheLuQuestionEndsTheProgram()
    {
        int questions = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) == nullptr)
                return;
            ++questions;
            m_fixture.window()->close();
        });
        poll.start(5);
        QTimer::singleShot(0, this, [this] { typeText(lyricsBox(), "鲁鲁"); });
        QTimer hung;
        hung.setSingleShot(true);
        connect(&hung, &QTimer::timeout, this, [] { QApplication::exit(99); });
        hung.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        // How soon the questions after the first end is the platform's (under Wine, one more is
        // shown); none of them waits for an answer.
        QVERIFY(questions >= 1);
        QCOMPARE(pinyinBox()->text(), "lv,lv,");
    }

    void readOnlyBoxesOfferNoAccessibleEditing_data()
    {
        resultBoxesRefuseTypingAndAllowCopying_data();
    }
    void readOnlyBoxesOfferNoAccessibleEditing()
    {
        QFETCH(QString, name);
        typeText(lyricsBox(), "你好");
        QAccessibleInterface* box = accessibleOf(m_fixture.control<QPlainTextEdit>(name));
        QCOMPARE(box->editableTextInterface(), nullptr);
        QCOMPARE(box->role(), QAccessible::EditableText);
        QVERIFY(box->state().readOnly && box->state().multiLine && box->state().focusable);
        QCOMPARE(box->text(QAccessible::Name), m_fixture.control<QWidget>(name)->accessibleName());
        // Still read, selected and copied.
        QAccessibleTextInterface* text = box->textInterface();
        QCOMPARE(text->text(0, text->characterCount()), m_fixture.boxText(name));
        QCOMPARE(text->text(-5, 1000000), m_fixture.boxText(name));
        text->setSelection(0, 1, 3);
        QCOMPARE(m_fixture.control<QPlainTextEdit>(name)->textCursor().selectedText(),
                 m_fixture.boxText(name).mid(1, 2));
    }

    void captionsLabelTheirBoxes()
    {
        for (const auto& [caption, name] : {std::pair{"标签1", "编辑框1"}, {"标签2", "编辑框2"}}) {
            const auto labelledBy
                = accessibleOf(m_fixture.control<QWidget>(name))->relations(QAccessible::Label);
            QCOMPARE(labelledBy.size(), 1);
            QCOMPARE(labelledBy.first().first->object(), m_fixture.control<QLabel>(caption));
        }
    }

    void windowAndFrameShowTheirRoles()
    {
        QCOMPARE(accessibleOf(m_fixture.window())->role(), QAccessible::Window);
        QCOMPARE(accessibleOf(m_fixture.control<QFrame>("外形框1"))->role(), QAccessible::Grouping);
    }

    void tabbingIntoTheFinalResultLandsOnItsFirstLine()
    {
        typeText(lyricsBox(), "你好");
        while (QApplication::focusWidget()->objectName() != "编辑框6")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(m_fixture.control<QPlainTextEdit>("编辑框6")->textCursor().position(), 0);
    }

    void luQuestionAsksAndTheAnswerCounts_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("pinyin");
        QTest::newRow("Yes") << int(QMessageBox::Yes) << int(Qt::Key_unknown) << "lu,";
        QTest::newRow("No") << int(QMessageBox::No) << int(Qt::Key_unknown) << "lv,";
        QTest::newRow("Escape") << int(QMessageBox::NoButton) << int(Qt::Key_Escape) << "lv,";
        QTest::newRow("Enter takes the default Yes")
            << int(QMessageBox::NoButton) << int(Qt::Key_Return) << "lu,";
        QTest::newRow("closed") << int(QMessageBox::NoButton) << int(Qt::Key_unknown) << "lv,";
    }
    void luQuestionAsksAndTheAnswerCounts()
    {
        QFETCH(int, button);
        QFETCH(int, key);
        QFETCH(QString, pinyin);
        AnsweredBox seen;
        answerNextMessageBox(seen, QMessageBox::StandardButton(button), Qt::Key(key));
        typeText(lyricsBox(), "鲁");
        QVERIFY(seen.seen);
        QCOMPARE(seen.title, "对你说话呢");
        QCOMPARE(seen.text, "检测到存在“lu”\n请确认发音：\n是：读“鲁”（lu）\n否：读“绿”（lv）");
        seen.buttons.sort();
        QCOMPARE(seen.buttons, QStringList({"否(&N)", "是(&Y)"}));
        QCOMPARE(pinyinBox()->text(), pinyin);
        QCOMPARE(m_fixture.boxText("编辑框5"), "历史..." + pinyin.chopped(1) + "\n");
    }
};

// The box operations over the real widgets, apart from the routines.
class WidgetBoxesTest : public QObject {
    Q_OBJECT

    SyllableTable m_table;
    testing::ScriptedProvider m_provider;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<WidgetBoxes> m_boxes;

private slots:
    void init()
    {
        m_window = std::make_unique<MainWindow>(m_table, m_provider);
        m_boxes = std::make_unique<WidgetBoxes>(*m_window);
    }

    void cleanup()
    {
        m_boxes.reset();
        m_window.reset();
    }

    void readGivesBackWhatWasWritten_data()
    {
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<QByteArray>("set");
        QTest::addColumn<QByteArray>("appended");
        QTest::addColumn<QByteArray>("read");
        // 历史 D6 B7 CA B7; 你 C4 E3; 𠀀 95 32 82 36; U+00A0 81 30 84 36; U+2028 81 36 A6 30.
        QTest::newRow("single line, appended as is") << QByteArray("编辑框2") << QByteArray("ni,")
                                                     << QByteArray("hao,") << QByteArray("ni,hao,");
        QTest::newRow("lines end in CR LF")
            << QByteArray("编辑框6") << QByteArray("a[a]\r\n") << QByteArray("ni[J i]\r\n\r\nx")
            << QByteArray("a[a]\r\nni[J i]\r\n\r\nx");
        QTest::newRow("append joins the last line")
            << QByteArray("编辑框5") << QByteArray("\xC0\xFA\xCA\xB7...")
            << QByteArray("ni\r\nhao\r\n") << QByteArray("\xC0\xFA\xCA\xB7...ni\r\nhao\r\n");
        QTest::newRow("outside GBK, no-break space, line separator")
            << QByteArray("编辑框3") << QByteArray("\x95\x32\x82\x36\x81\x30\x84\x36")
            << QByteArray("\x81\x36\xA6\x30\xC4\xE3")
            << QByteArray("\x95\x32\x82\x36\x81\x30\x84\x36\x81\x36\xA6\x30\xC4\xE3");
        QTest::newRow("set empty")
            << QByteArray("编辑框4") << QByteArray("") << QByteArray("") << QByteArray("");
        QTest::newRow("lyrics with a lone byte") << QByteArray("编辑框1") << QByteArray("a\xC4\xE3")
                                                 << QByteArray(" b") << QByteArray("a\xC4\xE3 b");
    }
    void readGivesBackWhatWasWritten()
    {
        QFETCH(QByteArray, box);
        QFETCH(QByteArray, set);
        QFETCH(QByteArray, appended);
        QFETCH(QByteArray, read);
        m_boxes->set(box.toStdString(), set.toStdString());
        m_boxes->append(box.toStdString(), appended.toStdString());
        QCOMPARE(QByteArray::fromStdString(m_boxes->read(box.toStdString())), read);
    }

    // The window converts on every change of these two boxes: its own writes must raise none.
    void ownWritesRaiseNoChange()
    {
        for (const QString name : {"编辑框1", "编辑框2"}) {
            auto* box = m_window->findChild<QLineEdit*>(name);
            QSignalSpy edited(box, &QLineEdit::textChanged);
            const std::string boxName = name.toStdString();
            m_boxes->set(boxName, "");
            m_boxes->append(boxName, "ni,");
            m_boxes->set(boxName, "hao,");
            QCOMPARE(box->text(), "hao,");
            QCOMPARE(edited.count(), 0);
        }
    }

    void historyKeepsShowingItsNewestLines()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        auto* history = m_window->findChild<QPlainTextEdit*>("编辑框5");
        QScrollBar* bar = history->verticalScrollBar();
        std::string lines;
        for (int i = 0; i < 200; ++i)
            lines += "ni\r\n";
        m_boxes->append("编辑框5", lines);
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        // Scrolled back by the user, the box stays where it is.
        bar->setValue(0);
        m_boxes->append("编辑框5", lines);
        QCOMPARE(bar->value(), 0);
        // A box that was emptied shows its new text from the top.
        m_boxes->set("编辑框6", "");
        m_boxes->append("编辑框6", lines);
        QCOMPARE(m_window->findChild<QPlainTextEdit*>("编辑框6")->verticalScrollBar()->value(), 0);
    }
};

} // namespace tavenor

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    tavenor::SetUpApplication();
    int failed = 0;
    tavenor::MainWindowTest window;
    failed += QTest::qExec(&window, argc, argv);
    tavenor::WidgetBoxesTest boxes;
    failed += QTest::qExec(&boxes, argc, argv);
    return failed;
}

#include "main_window_test.moc"
