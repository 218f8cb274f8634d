#include "app/main_window.h"

#include "app/accessible_replacement.h"
#include "app/input_method_refusal.h"
#include "app/splash_window.h"
#include "app/widget_boxes.h"
#include "boxes/convert_to_romaji.h"
#include "boxes/fetch_lyrics_pinyin.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextLayout>
#include <QThread>
#include <QtMath>

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>
#include <utility>

namespace tavenor {
namespace {

constexpr QSize kClientSize(448, 336);
constexpr QPoint kPosition(50, 50);
constexpr int kSplashMs = 500;

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kCyan = qRgb(0, 255, 255);
constexpr QRgb kGreen = qRgb(0, 255, 0);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kSilver = qRgb(192, 192, 192);
// Thin enough not to compete with the texts, light enough to show on black.
constexpr QRgb kBoxBorder = qRgb(128, 128, 128);
// Between a box's border and its text.
constexpr int kTextInset = 2;

const char* const kFrameName = "外形框1";
constexpr QRect kFrameGeometry(8, 8, 368, 328);

enum class Kind { Label, LineBox, TextBox };

struct Control {
    std::string_view name;
    Kind kind;
    QRect geometry; // in the client area
    bool inFrame;
    const char* text;
    QRgb colour;
    bool scrollBar;
    const char* accessibleName;
};

// Listed in tab order: lyrics, pinyin, then the results from top to bottom and the history.
// clang-format off
constexpr std::array kControls{
    // name, kind, client-area geometry, in the frame, initial text, text colour, vertical scroll
    // bar, accessible name
    Control{"标签1",           Kind::Label,    QRect(24, 28, 96, 16),     true,  "请输入中文歌词：", kCyan,   false, nullptr},
    Control{"标签2",           Kind::Label,    QRect(24, 60, 96, 16),     true,  "请调整中文拼音：", kCyan,   false, nullptr},
    Control{box::Lyrics,        Kind::LineBox,  QRect(136, 24, 224, 24),   true,  "请保证这里纯中文", kCyan,   false, "中文歌词"},
    Control{box::Pinyin,        Kind::LineBox,  QRect(136, 56, 224, 24),   true,  "",                 kCyan,   false, "中文拼音"},
    Control{box::Decomposition, Kind::TextBox,  QRect(25, 90, 335, 38),    true,  "注意区别v,u",      kCyan,   false, "拼音拆分"},
    Control{box::Romaji,        Kind::TextBox,  QRect(25, 136, 335, 40),   true,  "这里显示罗马结果", kGreen,  false, "罗马结果"},
    Control{box::Final,         Kind::TextBox,  QRect(24, 184, 335, 144),  true,  "这里显示最终结果", kYellow, true,  "最终结果"},
    Control{box::History,       Kind::TextBox,  QRect(384, 8, 64, 328),    false, "历史...",          kSilver, false, "历史"},
};
// clang-format on

// Each caption with the box it names.
constexpr std::pair<std::string_view, std::string_view> kCaptions[]
    = {{"标签1", box::Lyrics}, {"标签2", box::Pinyin}};

QString qtName(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString colourName(QRgb colour) { return QColor(colour).name(); }

// Fusion draws edit frames in a shade of the window colour, which is invisible on black; a style
// sheet border shows on every style, and then the background has to be set as well. With the
// focus the border takes the text's colour, so that a box without a blinking caret (the read-only
// ones) shows it has the focus too.
QString boxStyleSheet(const char* className, QRgb textColour, const QString& padding = {})
{
    return QStringLiteral("%1 { border: 1px solid %2; background-color: %3; color: %4; %5 }"
                          "%1:focus { border-color: %4; }")
        .arg(QLatin1String(className), colourName(kBoxBorder), colourName(kBlack),
             colourName(textColour), padding);
}

// The Inactive group paints the selection of a box without focus: make it look like no selection.
void hideSelectionWithoutFocus(QWidget& box, QRgb textColour)
{
    QPalette palette = box.palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, QColor(kBlack));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, QColor(textColour));
    box.setPalette(palette);
}

// The style's light scroll bar would be the only bright block in a black window.
QString scrollBarStyleSheet()
{
    return QStringLiteral(
               "QScrollBar:vertical { background: %1; width: 12px; border-left: 1px solid %2; }"
               "QScrollBar::handle:vertical { background: %2; min-height: 16px; margin: 2px; }"
               "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
               "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }")
        .arg(colourName(kBlack), colourName(kBoxBorder));
}

QWidget* createLabel(const Control& control, QWidget& parent)
{
    auto* label = new QLabel(QString::fromUtf8(control.text), &parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(control.colour));
    label->setPalette(palette);
    return label;
}

QWidget* createLineBox(const Control& control, QWidget& parent)
{
    auto* box = new QLineEdit(QString::fromUtf8(control.text), &parent);
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setStyleSheet(boxStyleSheet("QLineEdit", control.colour));
    hideSelectionWithoutFocus(*box, control.colour);
    return box;
}

// The decomposition has no blanks, and a history line is a piece as typed: either can be one
// word as long as a pasted album. Word wrap searches such a line for a boundary before it falls
// back to breaking anywhere, in time quadratic in the line (45 s for the decomposition of a
// megabyte of lyrics); breaking anywhere outright draws the decomposition the same, in linear
// time. The romaji and final boxes keep breaking at blanks.
QTextOption::WrapMode wrapModeOf(const Control& control)
{
    const bool mayHoldOneLongWord
        = control.name == box::Decomposition || control.name == box::History;
    return mayHoldOneLongWord ? QTextOption::WrapAnywhere
                              : QTextOption::WrapAtWordBoundaryOrAnywhere;
}

// The height of one line in a multi-line box: its layout rounds ascent and descent up to whole
// pixels.
int lineHeightOf(const QFont& font)
{
    QTextLayout layout(QStringLiteral("中"), font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLeadingIncluded(true);
    layout.endLayout();
    return qCeil(line.height());
}

// Text starts kTextInset pixels inside the border; the padding below the last line that fits is
// as high as the rest, so a box shows whole lines only, never a line cut through, whatever its
// height. The padding, not the document margin, makes the inset: a box scrolled down puts its
// top line at the top of the padding, where an unscrolled one starts too.
// The height inside a box without scroll bar that lines of text may take.
int textHeightOf(const Control& control)
{
    constexpr int kBorders = 2;
    return control.geometry.height() - kBorders - kTextInset;
}

QString paddingForWholeLines(const Control& control, int lineHeight)
{
    const int textHeight = textHeightOf(control);
    return QStringLiteral("padding: %1px %1px %2px %1px;")
        .arg(kTextInset)
        .arg(textHeight % lineHeight);
}

QWidget* createTextBox(const Control& control, QWidget& parent)
{
    auto* box = new QPlainTextEdit(QString::fromUtf8(control.text), &parent);
    box->setReadOnly(true);
    ExposeAsReadOnlyText(*box);
    RefuseInputMethods(*box);
    // Read-only still means selectable and copyable, with the keyboard as well as the mouse.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setWordWrapMode(wrapModeOf(control));
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(control.scrollBar ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
    // Results are rebuilt at every edit and the history only grows: an undo stack would only
    // hold on to old copies.
    box->document()->setUndoRedoEnabled(false);
    if (control.scrollBar) {
        // Padding would pull the scroll bar off the border; a list that scrolls may show the
        // top of its next line.
        box->document()->setDocumentMargin(kTextInset);
        box->setStyleSheet(boxStyleSheet("QPlainTextEdit", control.colour) + scrollBarStyleSheet());
    } else {
        box->document()->setDocumentMargin(0);
        box->setStyleSheet(boxStyleSheet("QPlainTextEdit", control.colour,
                                         paddingForWholeLines(control, lineHeightOf(box->font()))));
    }
    hideSelectionWithoutFocus(*box, control.colour);
    return box;
}

} // namespace

bool MainWindow::FitsFont(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int lineHeight = lineHeightOf(font);
    return std::all_of(kControls.begin(), kControls.end(), [&](const Control& control) {
        if (control.kind == Kind::Label)
            return metrics.horizontalAdvance(QString::fromUtf8(control.text))
                <= control.geometry.width()
                && metrics.height() <= control.geometry.height();
        if (control.kind == Kind::TextBox && !control.scrollBar)
            return textHeightOf(control) >= 2 * lineHeight;
        return true;
    });
}

MainWindow::MainWindow(SyllableTable& table, const PinyinProvider& provider)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_table(table)
    , m_provider(provider)
    , m_luQuestion(this)
{
    setObjectName(QStringLiteral("MainWindow"));
    // The caption is the window's fixed text, "V2.0" included; the program's version (1.0.0.0)
    // is in its version record and --version.
    setWindowTitle(QStringLiteral("TavenorV2.0    by: the Tavenor developers"));
    setFixedSize(kClientSize);
    move(kPosition);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(kBlack));
    setPalette(palette);
    setAutoFillBackground(true);

    createControls();
    SetAccessibleRole(*this, QAccessible::Window);
    m_boxes = std::make_unique<WidgetBoxes>(*this);
    bindEdits();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    auto* frame = new QFrame(this);
    frame->setObjectName(QString::fromUtf8(kFrameName));
    frame->setGeometry(kFrameGeometry);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    QPalette framePalette = frame->palette();
    framePalette.setColor(QPalette::WindowText, QColor(kSilver));
    frame->setPalette(framePalette);
    SetAccessibleRole(*frame, QAccessible::Grouping);

    QWidget* previousBox = nullptr;
    for (const Control& control : kControls) {
        QWidget& parent = control.inFrame ? static_cast<QWidget&>(*frame) : *this;
        QWidget* widget = nullptr;
        switch (control.kind) {
        case Kind::Label: widget = createLabel(control, parent); break;
        case Kind::LineBox: widget = createLineBox(control, parent); break;
        case Kind::TextBox: widget = createTextBox(control, parent); break;
        }
        widget->setObjectName(qtName(control.name));
        widget->setGeometry(control.inFrame ? control.geometry.translated(-kFrameGeometry.topLeft())
                                            : control.geometry);
        if (control.accessibleName == nullptr)
            continue;
        widget->setAccessibleName(QString::fromUtf8(control.accessibleName));
        if (previousBox != nullptr)
            setTabOrder(previousBox, widget);
        previousBox = widget;
    }
    // Assistive tools read each caption as the name of its box.
    for (const auto& [label, box] : kCaptions)
        findChild<QLabel*>(qtName(label))->setBuddy(findChild<QLineEdit*>(qtName(box)));
}

void MainWindow::bindEdits()
{
    // textChanged hears every change, an assistive tool's too; the program's own writes raise no
    // signal (WidgetBoxes), so they run nothing.
    m_lyrics = findChild<QLineEdit*>(qtName(box::Lyrics));
    m_pinyin = findChild<QLineEdit*>(qtName(box::Pinyin));
    m_lockingLuQuestion = std::make_unique<LockingLuQuestion>(m_luQuestion, *m_lyrics, *m_pinyin);
    connect(m_lyrics, &QLineEdit::textChanged, this, &MainWindow::lyricsChanged);
    connect(m_pinyin, &QLineEdit::textChanged, this, &MainWindow::pinyinChanged);
    // The prompt in the lyrics box is selected, so that the first keystroke or paste replaces it.
    m_lyrics->setFocus();
    m_lyrics->selectAll();
}

// Keys and the mouse cannot reach the boxes behind the lu question, but an assistive tool can:
// such an edit is refused, so that it neither starts a nested run nor gets lost in the one that
// asks.
void MainWindow::lyricsChanged()
{
    if (!m_lockingLuQuestion->refuseEdit(*m_lyrics))
        FetchLyricsPinyin(*m_boxes, m_provider, *m_lockingLuQuestion, m_table);
}

void MainWindow::pinyinChanged()
{
    if (!m_lockingLuQuestion->refuseEdit(*m_pinyin))
        ConvertToRomaji(*m_boxes, m_table);
}

void MainWindow::runStartUpSequence()
{
    SplashWindow splash;
    splash.showPainted();
    // Blocks on purpose: nothing is handled until the table is loaded.
    QThread::msleep(kSplashMs);
    splash.close();
    LoadSyllableTable(m_table);
}

} // namespace tavenor
