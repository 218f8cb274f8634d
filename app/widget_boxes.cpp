#include "app/widget_boxes.h"

#include "codec/gb18030_codec.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>

#include <stdexcept>

namespace tavenor {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The core speaks GB18030 with CR LF; a multi-line box holds blocks. toRawText() keeps
// no-break spaces and line separators that toPlainText() would rewrite.
QString plainTextWithCrLf(const QPlainTextEdit& box)
{
    QString text = box.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, kCrLf);
    return text;
}

} // namespace

WidgetBoxes::WidgetBoxes(const QWidget& window)
{
    for (const std::string_view name :
         {box::Lyrics, box::Pinyin, box::Decomposition, box::Romaji, box::History, box::Final}) {
        const QString objectName
            = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        Box found{window.findChild<QLineEdit*>(objectName),
                  window.findChild<QPlainTextEdit*>(objectName)};
        if ((found.line == nullptr) == (found.lines == nullptr))
            throw std::logic_error("the window has no single edit box named " + std::string(name));
        m_boxes.emplace(name, found);
    }
}

const WidgetBoxes::Box& WidgetBoxes::find(std::string_view boxName) const
{
    const auto found = m_boxes.find(boxName);
    if (found == m_boxes.end())
        throw std::out_of_range("no edit box named " + std::string(boxName));
    return found->second;
}

std::string WidgetBoxes::read(std::string_view boxName)
{
    const Box& box = find(boxName);
    return ToGb18030(box.line != nullptr ? box.line->text() : plainTextWithCrLf(*box.lines));
}

void WidgetBoxes::set(std::string_view boxName, std::string_view text)
{
    const Box& box = find(boxName);
    if (box.line != nullptr) {
        const QSignalBlocker ownWrite(box.line);
        box.line->setText(FromGb18030(text));
    } else {
        box.lines->setPlainText(FromGb18030(text));
    }
}

void WidgetBoxes::append(std::string_view boxName, std::string_view text)
{
    const Box& box = find(boxName);
    if (box.line != nullptr) {
        const QSignalBlocker ownWrite(box.line);
        box.line->setText(box.line->text() + FromGb18030(text));
        return;
    }
    // A box that was just emptied shows its new text from the top, with the caret on the first
    // line; text inserted at the caret would carry it to the end.
    if (box.lines->document()->isEmpty()) {
        box.lines->setPlainText(FromGb18030(text));
        return;
    }
    // A box that only grows (the history) keeps showing its newest lines, unless the user has
    // scrolled back.
    QScrollBar& scrollBar = *box.lines->verticalScrollBar();
    const bool followEnd = scrollBar.value() == scrollBar.maximum();
    QTextCursor end(box.lines->document());
    end.movePosition(QTextCursor::End);
    // One insertText: "\r\n" inside one call makes one line break.
    end.insertText(FromGb18030(text));
    if (followEnd)
        scrollBar.setValue(scrollBar.maximum());
}

} // namespace tavenor
