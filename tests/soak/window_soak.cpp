// A long session in the real window, driven by one seeded generator: typing and pasting into
// every box, undo and redo, cursor and focus moves, each lu question answered with Yes, No,
// Escape or by closing it, and edits attempted behind it as an assistive tool could. After every
// action the boxes are checked against what the core makes of the texts the user left: no edit
// is lost, no history line lost or reordered.
//
//     window_soak [ACTIONS [SEED]] [--memory]
//
// A failure names the seed and the action; the same seed replays the same run. --memory adds
// resident memory against history size, beside Qt's floor: a bare QPlainTextEdit that receives
// the same history text in the same steps (in a second process, window_soak --floor FILE). It
// fails when a history line costs more than 1.2 times what it costs the floor, or when actions
// that add no history grow memory by more than 64 KiB. Arguments it cannot read are a usage
// error (exit 2).

#include "app/application_setup.h"
#include "app/main_window.h"
#include "app/widget_boxes.h"
#include "codec/gb18030_codec.h"
#include "pinyin/build_pinyin_list.h"
#include "pinyin/unihan_pinyin_provider.h"
#include "romaji/romaji_conversion.h"
#include "table/syllable_table.h"
#include "tests/soak/floor_box.h"
#include "tests/soak/soak_texts.h"
#include "tests/support/resident_memory.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryFile>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavenor {
namespace {

using testing::SoakTexts;

// Every this many actions the whole history is compared, not only its new end.
constexpr int kWholeHistoryEvery = 100;
// A box longer than this is soon replaced by a short text, as a user starts the next song: each
// later edit would convert it whole again, and add all its lines to the history again.
constexpr qsizetype kLongBox = 2000;

std::string describe(const QString& text)
{
    constexpr qsizetype kShown = 60;
    QString shown = text.size() > kShown ? text.left(kShown) + QStringLiteral("…") : text;
    shown.replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace('\n', QStringLiteral("\\n"));
    return "\"" + shown.toStdString() + "\" (" + std::to_string(text.size()) + " characters)";
}

// FNV-1a over bytes, so that the history can be fingerprinted as it grows.
class Fingerprint {
public:
    void add(std::string_view bytes)
    {
        for (const char byte : bytes)
            m_hash = (m_hash ^ static_cast<unsigned char>(byte)) * 1099511628211ULL;
    }
    bool operator==(const Fingerprint&) const = default;

private:
    std::uint64_t m_hash = 14695981039346656037ULL;
};

// Every CR is followed by LF and every LF follows a CR: the line ends the boxes write.
bool onlyCrLfLineEnds(std::string_view text)
{
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n'))
            return false;
        if (text[at] == '\n' && (at == 0 || text[at - 1] != '\r'))
            return false;
    }
    return true;
}

// The answers the user gave in the window, given again in the same order to the core.
class ReplayedAnswers final : public LuQuestion {
public:
    explicit ReplayedAnswers(std::deque<bool>& answers)
        : m_answers(answers)
    {
    }

    bool askIsLu(std::string_view, std::string_view, const LuOccurrence&) override
    {
        if (m_answers.empty()) {
            ranOut = true;
            return true;
        }
        const bool yes = m_answers.front();
        m_answers.pop_front();
        return yes;
    }

    bool ranOut = false;

private:
    std::deque<bool>& m_answers;
};

class SoakFailure : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Soak {
public:
    Soak(std::uint64_t seed, QFile* historyRecord)
        : m_random(seed)
        , m_texts(m_random)
        , m_window((LoadSyllableTable(m_table), m_table), m_provider)
        , m_boxes(m_window)
        , m_lyrics(m_window.findChild<QLineEdit*>(QStringLiteral("编辑框1")))
        , m_pinyin(m_window.findChild<QLineEdit*>(QStringLiteral("编辑框2")))
        , m_history(m_window.findChild<QPlainTextEdit*>(QStringLiteral("编辑框5")))
        , m_record(historyRecord)
    {
        m_window.show();
        if (!QTest::qWaitForWindowActive(&m_window))
            throw SoakFailure("the window never became active");
        for (const char* name : {"编辑框1", "编辑框2", "编辑框3", "编辑框4", "编辑框6", "编辑框5"})
            m_allBoxes.push_back(m_window.findChild<QWidget*>(QString::fromUtf8(name)));
        // After the window's own bindings, so that each change is recorded once it is handled.
        for (QLineEdit* box : {m_lyrics, m_pinyin})
            QObject::connect(box, &QLineEdit::textChanged, box, [this, box](const QString& text) {
                if (!m_refusing)
                    m_changes.push_back({box == m_lyrics, text});
            });
        QObject::connect(&m_answerer, &QTimer::timeout, &m_answerer, [this] { answerQuestion(); });
        m_answerer.start(0);
        const std::string history = m_boxes.read(box::History);
        m_expectedHistory.add(history);
        m_historyCharacters = FromGb18030(history).size();
    }

    // Runs `count` actions of every kind; throws SoakFailure at the first fault.
    void run(int count)
    {
        for (int i = 0; i < count; ++i)
            step([this] { act(); });
    }

    // Runs `count` actions that add no history: focus and cursor moves, selections, copies and
    // keys for the read-only boxes.
    void runWithoutHistory(int count)
    {
        for (int i = 0; i < count; ++i) {
            step([this] {
                switch (below(4)) {
                case 0: clickBox(); break;
                case 1: tab(); break;
                case 2: moveCursor(); break;
                default: keyInAResultBox(); break;
                }
            });
        }
    }

    // Empties the lyrics (which converts an empty list, adding no history) and the clipboard,
    // so that what stays in memory is the history and the window.
    void emptyInputs()
    {
        step([this] {
            for (QLineEdit* box : {m_lyrics, m_pinyin}) {
                box->setFocus();
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(box, Qt::Key_Delete);
            }
            QApplication::clipboard()->clear();
        });
        wholeHistoryCheck();
    }

    int actions() const { return m_actions; }
    int conversions() const { return m_conversions; }
    int questions() const { return m_questions; }
    int refusedEdits() const { return m_refusedEdits; }
    int historyLines() const { return m_history->document()->blockCount(); }

private:
    struct Change {
        bool lyrics;
        QString text;
    };

    // What an action should leave in the box it edits.
    struct Expectation {
        QLineEdit* box = nullptr;
        QString text;
    };

    template <typename Action> void step(Action action)
    {
        ++m_actions;
        m_expected = {};
        const std::string pinyinBefore = m_boxes.read(box::Pinyin);
        action();
        QCoreApplication::processEvents();
        check(pinyinBefore);
    }

    std::size_t below(std::size_t bound)
    {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(m_random);
    }

    [[noreturn]] void fail(const std::string& what) const
    {
        throw SoakFailure("action " + std::to_string(m_actions) + " (" + m_action + "): " + what);
    }

    QLineEdit* focusedInput() const
    {
        auto* focus = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        return focus == m_lyrics || focus == m_pinyin ? focus : nullptr;
    }

    QWidget* focusOrLyrics() const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus : m_lyrics;
    }

    // The text that inserting `inserted` at the caret, over any selection, leaves in box.
    void expectInsertion(QLineEdit* box, const QString& inserted)
    {
        if (box == nullptr)
            return;
        const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
        m_expected = {box, box->text().replace(start, box->selectionLength(), inserted)};
    }

    void expectUnchanged()
    {
        if (QLineEdit* box = focusedInput())
            m_expected = {box, box->text()};
    }

    void act()
    {
        for (QLineEdit* box : {m_lyrics, m_pinyin}) {
            if (box->text().size() > kLongBox && below(5) < 4) {
                replaceLongBox(box);
                return;
            }
        }
        const std::size_t kind = below(100);
        if (kind < 10)
            clickBox();
        else if (kind < 14)
            tab();
        else if (kind < 40)
            type();
        else if (kind < 45)
            commit();
        else if (kind < 58)
            paste();
        else if (kind < 62)
            clearBox();
        else if (kind < 70)
            undoOrRedo();
        else if (kind < 80)
            moveCursor();
        else if (kind < 88)
            deleteCharacter();
        else if (kind < 93)
            editAccessibly();
        else if (kind < 96)
            copy();
        else
            keyInAResultBox();
    }

    void clickBox()
    {
        QWidget* box = m_allBoxes[below(m_allBoxes.size())];
        m_action = "click " + box->objectName().toStdString();
        auto* lines = qobject_cast<QPlainTextEdit*>(box);
        QWidget* target = lines != nullptr ? lines->viewport() : box;
        const QPoint at(int(below(std::size_t(target->width()))),
                        int(below(std::size_t(target->height()))));
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        expectUnchanged();
    }

    void tab()
    {
        const bool back = below(4) == 0;
        m_action = back ? "Shift+Tab" : "Tab";
        QTest::keyClick(focusOrLyrics(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
    }

    void type()
    {
        const QString typed = m_texts.typedCharacter();
        m_action = "type " + describe(typed);
        expectInsertion(focusedInput(), typed);
        QTest::sendKeyEvent(QTest::Click, focusOrLyrics(), Qt::Key_unknown, typed, Qt::NoModifier);
    }

    // An input method commits its text in one change.
    void commit()
    {
        const QString committed = m_texts.committedHanzi();
        m_action = "input method commits " + describe(committed);
        expectInsertion(focusedInput(), committed);
        QInputMethodEvent event;
        event.setCommitString(committed);
        QApplication::sendEvent(focusOrLyrics(), &event);
    }

    void paste()
    {
        const QString pasted = m_texts.pasted();
        m_action = "paste " + describe(pasted);
        QApplication::clipboard()->setText(pasted);
        expectInsertion(focusedInput(), pasted);
        QTest::keyClick(focusOrLyrics(), Qt::Key_V, Qt::ControlModifier);
    }

    void replaceLongBox(QLineEdit* box)
    {
        const QString text = m_texts.shortText();
        m_action = "replace the long text of " + box->objectName().toStdString() + " by "
            + describe(text);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Delete);
        } else {
            QApplication::clipboard()->setText(text);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        }
        m_expected = {box, text};
    }

    void clearBox()
    {
        m_action = "select all and delete";
        QWidget* focus = focusOrLyrics();
        QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
        expectInsertion(focusedInput(), {});
        QTest::keyClick(focus, Qt::Key_Delete);
    }

    void undoOrRedo()
    {
        const bool redo = below(3) == 0;
        m_action = redo ? "redo" : "undo";
        QTest::keyClick(focusOrLyrics(), Qt::Key_Z,
                        redo ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
    }

    void moveCursor()
    {
        static constexpr Qt::Key kKeys[]
            = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down};
        const Qt::Key key = kKeys[below(std::size(kKeys))];
        Qt::KeyboardModifiers modifiers;
        if (below(3) == 0)
            modifiers |= Qt::ShiftModifier;
        if (below(4) == 0)
            modifiers |= Qt::ControlModifier;
        m_action = "cursor key " + std::to_string(key) + " with " + std::to_string(modifiers);
        expectUnchanged();
        QTest::keyClick(focusOrLyrics(), key, modifiers);
    }

    void deleteCharacter()
    {
        const bool backspace = below(2) == 0;
        m_action = backspace ? "Backspace" : "Delete";
        QTest::keyClick(focusOrLyrics(), backspace ? Qt::Key_Backspace : Qt::Key_Delete);
    }

    void copy()
    {
        m_action = "copy";
        expectUnchanged();
        QTest::keyClick(focusOrLyrics(), Qt::Key_C, Qt::ControlModifier);
    }

    void keyInAResultBox()
    {
        QWidget* box = m_allBoxes[2 + below(m_allBoxes.size() - 2)];
        m_action = "type into " + box->objectName().toStdString();
        box->setFocus();
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, m_texts.typedCharacter(),
                            Qt::NoModifier);
    }

    // An assistive tool edits an input box, as a screen reader or voice control does.
    void editAccessibly()
    {
        QLineEdit* box = below(2) == 0 ? m_lyrics : m_pinyin;
        const QString text = m_texts.shortText() + m_texts.typedCharacter();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
        const QString before = box->text();
        if (below(2) == 0) {
            m_action = "assistive tool sets " + box->objectName().toStdString() + " to "
                + describe(text);
            m_expected = {box, text};
            accessible->setText(QAccessible::Value, text);
        } else {
            const int at = int(below(std::size_t(before.size()) + 1));
            m_action = "assistive tool inserts " + describe(text) + " into "
                + box->objectName().toStdString() + " at " + std::to_string(at);
            m_expected = {box, QString(before).insert(at, text)};
            accessible->editableTextInterface()->insertText(at, text);
        }
    }

    // Runs inside the question's own event loop.
    void answerQuestion()
    {
        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (question == nullptr || !question->isVisible())
            return;
        ++m_questions;
        if (below(5) < 2)
            editBehindTheQuestion();
        switch (below(4)) {
        case 0:
            question->button(QMessageBox::Yes)->click();
            m_answers.push_back(true);
            break;
        case 1:
            question->button(QMessageBox::No)->click();
            m_answers.push_back(false);
            break;
        case 2:
            QTest::keyClick(question, Qt::Key_Escape);
            m_answers.push_back(false);
            break;
        default:
            question->close();
            m_answers.push_back(false);
            break;
        }
    }

    // What an edit behind the question must not touch.
    QStringList behindTheQuestion() const
    {
        return {m_lyrics->text(), m_pinyin->text(),
                m_window.findChild<QPlainTextEdit*>(QStringLiteral("编辑框6"))->toPlainText(),
                QString::number(m_history->document()->characterCount())};
    }

    // Keys and the mouse cannot reach the boxes; an assistive tool tries, and must be refused.
    void editBehindTheQuestion()
    {
        QLineEdit* box = below(2) == 0 ? m_lyrics : m_pinyin;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
        const QStringList before = behindTheQuestion();
        if (!accessible->state().readOnly)
            m_failureBehind = box->objectName().toStdString()
                + " did not say it was read-only while the question was open";
        const QString text = m_texts.typedCharacter();
        m_refusing = true;
        switch (below(4)) {
        case 0: accessible->setText(QAccessible::Value, text); break;
        case 1: accessible->editableTextInterface()->insertText(0, text); break;
        case 2: accessible->editableTextInterface()->deleteText(0, 1); break;
        default:
            accessible->editableTextInterface()->replaceText(0, int(box->text().size()), text);
            break;
        }
        m_refusing = false;
        ++m_refusedEdits;
        if (behindTheQuestion() != before)
            m_failureBehind = "an edit of " + box->objectName().toStdString()
                + " behind the question was taken: " + before.join(" | ").toStdString() + " became "
                + behindTheQuestion().join(" | ").toStdString();
    }

    void check(const std::string& pinyinBefore)
    {
        if (!m_failureBehind.empty())
            fail(m_failureBehind);
        if (m_expected.box != nullptr && m_expected.box->text() != m_expected.text)
            fail(m_expected.box->objectName().toStdString() + " holds "
                 + describe(m_expected.box->text()) + "; the edit made "
                 + describe(m_expected.text));

        // Each change of an input box converted once, in order, with the answers given.
        std::string pinyin = pinyinBefore;
        std::string added;
        for (const Change& change : m_changes) {
            if (change.lyrics) {
                ReplayedAnswers replayed(m_answers);
                pinyin = BuildPinyinList(ToGb18030(change.text), m_provider, replayed);
                if (replayed.ranOut)
                    fail("the lyrics " + describe(change.text) + " hold more lu than questions "
                         + "were answered");
            } else {
                pinyin = ToGb18030(change.text);
            }
            const std::string history = ConvertPinyinText(pinyin, m_table).history;
            if (m_record != nullptr && !history.empty())
                RecordHistoryStep(*m_record, history);
            added += history;
            ++m_conversions;
        }
        if (!m_answers.empty())
            fail(std::to_string(m_answers.size()) + " questions were asked that no lu called for");
        m_changes.clear();

        const std::string pinyinNow = m_boxes.read(box::Pinyin);
        if (pinyinNow != pinyin)
            fail("the pinyin box holds " + describe(FromGb18030(pinyinNow)) + ", not "
                 + describe(FromGb18030(pinyin)));
        if (m_conversions > 0)
            checkResults(pinyinNow);
        checkHistory(added);
    }

    void checkResults(const std::string& pinyin)
    {
        const RomajiTexts expected = ConvertPinyinText(pinyin, m_table);
        const std::pair<std::string_view, const std::string&> results[]
            = {{box::Decomposition, expected.decomposition},
               {box::Romaji, expected.romaji},
               {box::Final, expected.final}};
        for (const auto& [name, text] : results) {
            const std::string shown = m_boxes.read(name);
            if (shown != text)
                fail(std::string(name) + " shows " + describe(FromGb18030(shown)) + ", not "
                     + describe(FromGb18030(text)));
            const bool linesOfTheirOwn = name == box::Final;
            if (linesOfTheirOwn ? !onlyCrLfLineEnds(shown)
                                : shown.find_first_of("\r\n") != std::string::npos)
                fail(std::string(name) + " has a line break of its own inside a result");
        }
    }

    // Cheap at every action: the length, and the new end. Every kWholeHistoryEvery actions, the
    // whole history by its fingerprint.
    void checkHistory(const std::string& added)
    {
        if (!onlyCrLfLineEnds(added))
            fail("a history line has a line break of its own");
        QString addedText = FromGb18030(added);
        addedText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        m_expectedHistory.add(added);
        m_historyCharacters += addedText.size();
        const int characters = m_history->document()->characterCount() - 1;
        if (characters != m_historyCharacters)
            fail("the history holds " + std::to_string(characters) + " characters, not "
                 + std::to_string(m_historyCharacters) + ": lines were lost or added");
        if (!addedText.isEmpty()) {
            QTextCursor end(m_history->document());
            end.setPosition(characters - int(addedText.size()));
            end.setPosition(characters, QTextCursor::KeepAnchor);
            const QString shown = end.selectedText().replace(QChar::ParagraphSeparator, '\n');
            if (shown != addedText)
                fail("the history ends in " + describe(shown) + ", not " + describe(addedText));
        }
        if (m_actions % kWholeHistoryEvery == 0)
            wholeHistoryCheck();
    }

    void wholeHistoryCheck()
    {
        Fingerprint shown;
        shown.add(m_boxes.read(box::History));
        if (!(shown == m_expectedHistory))
            fail("the history is not the lines of the conversions that ran, in order");
    }

    std::mt19937_64 m_random;
    SoakTexts m_texts;
    SyllableTable m_table;
    UnihanPinyinProvider m_provider;
    MainWindow m_window;
    WidgetBoxes m_boxes;
    QLineEdit* m_lyrics;
    QLineEdit* m_pinyin;
    QPlainTextEdit* m_history;
    std::vector<QWidget*> m_allBoxes;
    QFile* m_record;
    QTimer m_answerer;

    std::string m_action;
    Expectation m_expected;
    std::vector<Change> m_changes;
    std::deque<bool> m_answers;
    bool m_refusing = false;
    std::string m_failureBehind;
    Fingerprint m_expectedHistory;
    qsizetype m_historyCharacters = 0;

    int m_actions = 0;
    int m_conversions = 0;
    int m_questions = 0;
    int m_refusedEdits = 0;
};

// What --memory allows: a history line may cost this much more than it costs Qt's floor, and
// actions that add no history may grow memory by this much.
constexpr double kMostGrowthPerLineOverFloor = 1.2;
constexpr double kMostGrowthWithoutHistoryKiB = 64;

struct Options {
    int actions = 2000;
    std::uint64_t seed = 1;
    bool memory = false;
    QString floorRecord;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Options parse(const QStringList& arguments)
{
    Options options;
    QStringList numbers;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--memory"))
            options.memory = true;
        else if (arguments[i] == QLatin1String("--floor") && i + 1 < arguments.size())
            options.floorRecord = arguments[++i];
        else
            numbers << arguments[i];
    }
    if (numbers.size() > 2)
        throw UsageError("more than ACTIONS and SEED: " + numbers[2].toStdString());
    bool read = true;
    if (!numbers.isEmpty())
        options.actions = numbers[0].toInt(&read);
    if (!read || options.actions < 1)
        throw UsageError("ACTIONS must be a whole number above 0, not " + numbers[0].toStdString());
    if (numbers.size() > 1)
        options.seed = numbers[1].toULongLong(&read);
    if (!read)
        throw UsageError("SEED must be a whole number, not " + numbers[1].toStdString());
    return options;
}

// Qt's own cost of the same history: the floor process, fed the recorded steps.
FloorFigures measureFloor(const QString& record)
{
    QProcess floor;
    floor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    floor.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--floor"), record});
    if (!floor.waitForFinished(-1) || floor.exitCode() != 0)
        throw SoakFailure("the floor process failed");
    return ParseFloorFigures(floor.readAllStandardOutput());
}

struct MemorySample {
    double residentKiB;
    int historyLines;
    double heapKiB = testing::HeapInUseKiB();
};

int runSoak(const Options& options)
{
    std::unique_ptr<QTemporaryFile> record;
    if (options.memory) {
        record = std::make_unique<QTemporaryFile>();
        if (!record->open())
            throw SoakFailure("cannot write the history steps for the floor");
    }
    Soak soak(options.seed, record.get());
    QElapsedTimer clock;
    clock.start();
    if (!options.memory) {
        soak.run(options.actions);
    } else {
        // Growth is measured from a quarter of the way on: what the first actions load once
        // (fonts, the message box, the clipboard) is no cost of the history.
        soak.run(options.actions / 4);
        soak.emptyInputs();
        RecordSamplePoint(*record);
    }
    const MemorySample quarter{testing::ResidentKiB(), soak.historyLines()};
    if (options.memory)
        soak.run(options.actions - options.actions / 4);
    const double seconds = double(clock.elapsed()) / 1000;
    std::printf("soak: %d actions from seed %" PRIu64
                " in %.1f s (%.1f actions/s): %d conversions, %d "
                "questions answered, %d edits behind them refused; the history holds %d lines\n",
                soak.actions(), options.seed, seconds, soak.actions() / seconds, soak.conversions(),
                soak.questions(), soak.refusedEdits(), soak.historyLines());
    if (!options.memory)
        return 0;

    soak.emptyInputs();
    const MemorySample end{testing::ResidentKiB(), soak.historyLines()};
    soak.runWithoutHistory(options.actions);
    const double afterMoves = testing::ResidentKiB();
    record->flush();
    const FloorFigures floor = measureFloor(record->fileName());
    const int lines = end.historyLines - quarter.historyLines;
    if (lines < 1)
        throw SoakFailure("no history lines after the first quarter to measure memory by");
    const double perLine = (end.residentKiB - quarter.residentKiB) * 1024 / lines;
    const double floorPerLine = floor.growthKiB * 1024 / floor.lines;
    std::printf("memory: +%.0f KiB for the last %d history lines, %.0f bytes a line; Qt's floor (a "
                "bare QPlainTextEdit fed the same steps): +%.0f KiB for %d lines, %.0f bytes a "
                "line; ratio %.2f\n",
                end.residentKiB - quarter.residentKiB, lines, perLine, floor.growthKiB, floor.lines,
                floorPerLine, perLine / floorPerLine);
    std::printf("memory, live heap only: %.0f bytes a line; Qt's floor %.0f bytes a line\n",
                (end.heapKiB - quarter.heapKiB) * 1024 / lines,
                floor.heapGrowthKiB * 1024 / floor.lines);
    std::printf("memory: %+.0f KiB over %d actions that add no history (focus and cursor moves, "
                "selections, copies, keys for read-only boxes)\n",
                afterMoves - end.residentKiB, soak.actions() - options.actions);
    char failure[160] = "";
    if (perLine > kMostGrowthPerLineOverFloor * floorPerLine) {
        std::snprintf(failure, sizeof failure,
                      "memory: a history line costs %.2f times what it costs Qt's floor, more "
                      "than %.1f",
                      perLine / floorPerLine, kMostGrowthPerLineOverFloor);
    } else if (afterMoves - end.residentKiB > kMostGrowthWithoutHistoryKiB) {
        std::snprintf(failure, sizeof failure,
                      "memory: actions that add no history grew it by %.0f KiB, more than %.0f",
                      afterMoves - end.residentKiB, kMostGrowthWithoutHistoryKiB);
    }
    if (failure[0] != '\0')
        throw SoakFailure(failure);
    return 0;
}

} // namespace
} // namespace tavenor

int main(int argc, char* argv[])
{
    // The offscreen platform says this for every message box; thousands of them would bury the
    // report.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
        if (!message.contains(QLatin1String("propagateSizeHints")))
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication application(argc, argv);
    tavenor::SetUpApplication();
    tavenor::Options options;
    try {
        options = tavenor::parse(QCoreApplication::arguments());
    } catch (const tavenor::UsageError& error) {
        std::fprintf(stderr, "window_soak: %s\nusage: window_soak [ACTIONS [SEED]] [--memory]\n",
                     error.what());
        return 2;
    }
    try {
        if (!options.floorRecord.isEmpty())
            return tavenor::RunFloor(options.floorRecord);
        return tavenor::runSoak(options);
    } catch (const tavenor::SoakFailure& failure) {
        std::fprintf(stderr, "soak failed, seed %" PRIu64 ": %s\n", options.seed, failure.what());
        return 1;
    }
}
