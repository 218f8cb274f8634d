#include "plugin/fill_dialog.h"

#include "codec/gb18030_codec.h"
#include "pinyin/build_pinyin_list.h"
#include "score/sung_units.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <limits>
#include <map>

namespace tavenor {
namespace {

// The window's colours: black ground, cyan for what the user types, green and yellow for
// results, silver for the rest; a note that needs the user's eye is drawn in red.
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kCyan = qRgb(0, 255, 255);
constexpr QRgb kGreen = qRgb(0, 255, 0);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kSilver = qRgb(192, 192, 192);
constexpr QRgb kRed = qRgb(255, 96, 96);
constexpr QRgb kBoxBorder = qRgb(128, 128, 128);

enum Column { kNumber, kBefore, kAfter, kRemark, kColumns };

QString colourName(QRgb colour) { return QColor(colour).name(); }

QString dialogStyleSheet()
{
    return QStringLiteral(
               "QDialog { background-color: %1; }"
               "QLabel, QRadioButton { color: %2; }"
               "QLineEdit, QPlainTextEdit, QTableWidget { border: 1px solid %3;"
               " background-color: %1; color: %2; }"
               "QLineEdit:focus, QPlainTextEdit:focus, QTableWidget:focus { border-color: %2; }"
               "QTableWidget { gridline-color: %3; }"
               "QHeaderView::section { background-color: %1; color: %4; border: 0;"
               " border-bottom: 1px solid %3; padding: 2px; }"
               "QPushButton { background-color: %1; color: %4; border: 1px solid %3;"
               " padding: 3px 16px; }"
               "QPushButton:focus, QPushButton:default { border-color: %2; }"
               "QScrollBar:vertical { background: %1; width: 12px; border-left: 1px solid %3; }"
               "QScrollBar::handle:vertical { background: %3; min-height: 16px; margin: 2px; }"
               "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
               "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }")
        .arg(colourName(kBlack), colourName(kCyan), colourName(kBoxBorder), colourName(kSilver));
}

// Each "lu" of the list as options says; Auto takes the character's own reading, as Return
// does in the window's question.
class PresetLuAnswer final : public LuQuestion {
public:
    explicit PresetLuAnswer(LuReading lu)
        : m_lu(lu)
    {
    }

    bool askIsLu(std::string_view, std::string_view, const LuOccurrence& lu) override
    {
        return m_lu == LuReading::Auto ? lu.readsLu : m_lu == LuReading::Lu;
    }

private:
    LuReading m_lu;
};

QString ownLyricsOf(const std::vector<ScoreNote>& notes)
{
    QString lyrics;
    for (const SungUnit& unit : UnitsOfNotes(notes))
        lyrics += QString::fromUtf8(unit.utf8);
    return lyrics;
}

QString joined(const NoteFill& fill)
{
    QString text = QString::fromUtf8(fill.lyric);
    for (const AddedNote& added : fill.added)
        text += QStringLiteral(" + ") + QString::fromUtf8(added.lyric);
    return text;
}

QTableWidgetItem* cell(const QString& text, QRgb colour)
{
    auto* item = new QTableWidgetItem(text);
    item->setForeground(QColor(colour));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString remarkOf(const FillReport& report)
{
    const QString text = QString::fromUtf8(report.text);
    switch (report.kind) {
    case FillReport::Kind::MissingSyllable: return QStringLiteral("表中无此音节：%1").arg(text);
    case FillReport::Kind::TooShortToSplit: return QStringLiteral("太短，不能拆分");
    case FillReport::Kind::NotesWithoutCharacter:
        return QStringLiteral("从此起 %1 个音符无歌词").arg(report.count);
    case FillReport::Kind::CharactersLeftOver:
        return QStringLiteral("剩余歌词 %1 字：%2").arg(report.count).arg(text);
    }
    return {};
}

} // namespace

FillDialog::FillDialog(const NotesFile& file, const FillOptions& options,
                       const SyllableTable& table, const PinyinProvider& provider)
    : m_file(file)
    , m_table(table)
    , m_provider(provider)
    , m_lu(options.lu)
    , m_ownLyrics(ownLyricsOf(file.notes()))
{
    setWindowTitle(QStringLiteral("Tavenor：为音符填写歌词"));
    setObjectName(QStringLiteral("FillDialog"));
    setStyleSheet(dialogStyleSheet());
    createControls();
    m_romaji->setChecked(options.romaji);
    m_hiragana->setChecked(!options.romaji);
    m_split->setChecked(options.split);
    m_noSplit->setChecked(!options.split);
    m_lyrics->setPlainText(m_ownLyrics);
    rebuildPinyinList();
    refresh();
    connect(m_lyrics, &QPlainTextEdit::textChanged, this, &FillDialog::lyricsChanged);
    connect(m_pinyin, &QLineEdit::textChanged, this, &FillDialog::refresh);
    for (QRadioButton* choice : {m_hiragana, m_split})
        connect(choice, &QRadioButton::toggled, this, &FillDialog::refresh);
    resize(560, 460);
}

void FillDialog::createControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* texts = new QGridLayout;
    auto* lyricsLabel = new QLabel(QStringLiteral("请输入中文歌词："), this);
    m_lyrics = new QPlainTextEdit(this);
    m_lyrics->setObjectName(QStringLiteral("歌词"));
    m_lyrics->setAccessibleName(QStringLiteral("中文歌词"));
    m_lyrics->setFixedHeight(3 * fontMetrics().lineSpacing() + 12);
    lyricsLabel->setBuddy(m_lyrics);
    auto* pinyinLabel = new QLabel(QStringLiteral("请调整中文拼音："), this);
    m_pinyin = new QLineEdit(this);
    m_pinyin->setObjectName(QStringLiteral("拼音"));
    m_pinyin->setAccessibleName(QStringLiteral("中文拼音"));
    m_pinyin->setMaxLength(std::numeric_limits<int>::max());
    pinyinLabel->setBuddy(m_pinyin);
    texts->addWidget(lyricsLabel, 0, 0, Qt::AlignTop);
    texts->addWidget(m_lyrics, 0, 1);
    texts->addWidget(pinyinLabel, 1, 0);
    texts->addWidget(m_pinyin, 1, 1);
    layout->addLayout(texts);

    auto* choices = new QHBoxLayout;
    const auto choice = [this, choices](const char* name, const QString& text) {
        auto* button = new QRadioButton(text, this);
        button->setObjectName(QString::fromUtf8(name));
        choices->addWidget(button);
        return button;
    };
    m_hiragana = choice("平假名", QStringLiteral("写成平假名"));
    m_romaji = choice("罗马音", QStringLiteral("写成罗马音"));
    choices->addSpacing(24);
    m_split = choice("拆分", QStringLiteral("多个音拆成多个音符"));
    m_noSplit = choice("不拆分", QStringLiteral("不拆分"));
    choices->addStretch();
    // Two groups of two, so that the spelling and the split are chosen apart.
    auto* spelling = new QButtonGroup(this);
    spelling->addButton(m_hiragana);
    spelling->addButton(m_romaji);
    auto* split = new QButtonGroup(this);
    split->addButton(m_split);
    split->addButton(m_noSplit);
    layout->addLayout(choices);

    layout->addWidget(new QLabel(QStringLiteral("预览（所选音符，改前与改后）："), this));
    m_preview = new QTableWidget(0, kColumns, this);
    m_preview->setObjectName(QStringLiteral("预览"));
    m_preview->setAccessibleName(QStringLiteral("预览"));
    m_preview->setHorizontalHeaderLabels({QStringLiteral("音符"), QStringLiteral("原歌词"),
                                          QStringLiteral("新歌词"), QStringLiteral("说明")});
    m_preview->verticalHeader()->hide();
    m_preview->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_preview->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_preview->horizontalHeader()->setStretchLastSection(true);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(m_preview, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void FillDialog::lyricsChanged()
{
    const QString before = m_pinyin->text();
    rebuildPinyinList();
    // A new list refreshes the preview through its own signal.
    if (m_pinyin->text() == before)
        refresh();
}

// The pinyin list holds one entry per sung character of the lyrics, as the fill finds them, so
// that every entry names a note's syllable; punctuation and other characters take none.
void FillDialog::rebuildPinyinList()
{
    PresetLuAnswer answer(m_lu);
    std::string list;
    for (const SungUnit& unit : UnitsOfLyrics(m_lyrics->toPlainText().toStdString()))
        list += BuildPinyinList(ToGb18030(QString::fromUtf8(unit.utf8)), m_provider, answer);
    m_pinyin->setText(FromGb18030(list));
}

void FillDialog::refresh()
{
    FillOptions options;
    // The list's entries are the units' syllables in order, as the user left them.
    for (const QString& entry : m_pinyin->text().split(QLatin1Char(',')))
        options.syllables.push_back(entry.toStdString());
    const QString lyrics = m_lyrics->toPlainText();
    if (lyrics != m_ownLyrics)
        options.lyrics = lyrics.toStdString();
    options.romaji = m_romaji->isChecked();
    options.split = m_split->isChecked();
    m_plan = m_file.plan(options, m_table, m_provider);
    showPreview();
}

void FillDialog::showPreview()
{
    const std::vector<ScoreNote>& notes = m_file.notes();
    std::map<std::size_t, const NoteFill*> fills;
    for (const NoteFill& fill : m_plan.fills)
        fills[fill.note] = &fill;
    std::multimap<std::size_t, const FillReport*> remarks;
    QStringList leftOver;
    for (const FillReport& report : m_plan.reports) {
        if (report.kind == FillReport::Kind::CharactersLeftOver)
            leftOver << remarkOf(report);
        else
            remarks.emplace(report.note, &report);
    }

    m_preview->setRowCount(static_cast<int>(notes.size()) + static_cast<int>(leftOver.size()));
    for (std::size_t note = 0; note < notes.size(); ++note) {
        const auto row = static_cast<int>(note);
        const auto fill = fills.find(note);
        QStringList rowRemarks;
        QRgb colour = kGreen;
        QString after = QString::fromUtf8(notes[note].lyric);
        if (fill != fills.end()) {
            after = joined(*fill->second);
            if (!fill->second->added.empty()) {
                rowRemarks
                    << QStringLiteral("拆分为 %1 个音符").arg(fill->second->added.size() + 1);
                colour = kYellow;
            }
        } else {
            colour = kSilver;
        }
        const auto [first, last] = remarks.equal_range(note);
        for (auto it = first; it != last; ++it) {
            rowRemarks << remarkOf(*it->second);
            colour = kRed;
        }
        m_preview->setItem(row, kNumber, cell(QString::number(note + 1), kSilver));
        m_preview->setItem(row, kBefore, cell(QString::fromUtf8(notes[note].lyric), kCyan));
        m_preview->setItem(row, kAfter, cell(after, colour));
        m_preview->setItem(row, kRemark, cell(rowRemarks.join(QStringLiteral("；")), colour));
    }
    for (qsizetype i = 0; i < leftOver.size(); ++i) {
        const auto row = static_cast<int>(notes.size() + static_cast<std::size_t>(i));
        for (int column = kNumber; column < kRemark; ++column)
            m_preview->setItem(row, column, cell(QString(), kRed));
        m_preview->setItem(row, kRemark, cell(leftOver[i], kRed));
    }
    m_preview->resizeColumnsToContents();
}

} // namespace tavenor
