#include "app/read_only_text_accessible.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace tavenor {

ReadOnlyTextAccessible::ReadOnlyTextAccessible(QPlainTextEdit* box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

QPlainTextEdit& ReadOnlyTextAccessible::box() const
{
    return *static_cast<QPlainTextEdit*>(widget());
}

QTextCursor ReadOnlyTextAccessible::cursorAt(int offset) const
{
    QTextCursor cursor(box().document());
    cursor.setPosition(std::clamp(offset, 0, characterCount()));
    return cursor;
}

void* ReadOnlyTextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State ReadOnlyTextAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString ReadOnlyTextAccessible::text(QAccessible::Text type) const
{
    return type == QAccessible::Value ? box().toPlainText() : QAccessibleWidget::text(type);
}

void ReadOnlyTextAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const QTextCursor cursor = box().textCursor();
    const bool exists = selectionIndex == 0 && cursor.hasSelection();
    *startOffset = exists ? cursor.selectionStart() : 0;
    *endOffset = exists ? cursor.selectionEnd() : 0;
}

int ReadOnlyTextAccessible::selectionCount() const
{
    return box().textCursor().hasSelection() ? 1 : 0;
}

void ReadOnlyTextAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void ReadOnlyTextAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = box().textCursor();
    cursor.clearSelection();
    box().setTextCursor(cursor);
}

void ReadOnlyTextAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = cursorAt(startOffset);
    cursor.setPosition(cursorAt(endOffset).position(), QTextCursor::KeepAnchor);
    box().setTextCursor(cursor);
}

int ReadOnlyTextAccessible::cursorPosition() const { return box().textCursor().position(); }

void ReadOnlyTextAccessible::setCursorPosition(int position)
{
    box().setTextCursor(cursorAt(position));
}

QString ReadOnlyTextAccessible::text(int startOffset, int endOffset) const
{
    QTextCursor cursor = cursorAt(startOffset);
    cursor.setPosition(cursorAt(endOffset).position(), QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

int ReadOnlyTextAccessible::characterCount() const
{
    // The document counts the paragraph separator after its last block as well.
    return box().document()->characterCount() - 1;
}

QRect ReadOnlyTextAccessible::characterRect(int offset) const
{
    QTextCursor cursor = cursorAt(offset);
    QRect rect = box().cursorRect(cursor);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    rect.setWidth(box().fontMetrics().horizontalAdvance(cursor.selectedText()));
    return QRect(box().viewport()->mapToGlobal(rect.topLeft()), rect.size());
}

int ReadOnlyTextAccessible::offsetAtPoint(const QPoint& point) const
{
    return box().cursorForPosition(box().viewport()->mapFromGlobal(point)).position();
}

void ReadOnlyTextAccessible::scrollToSubstring(int startIndex, int /*endIndex*/)
{
    box().setTextCursor(cursorAt(startIndex));
    box().ensureCursorVisible();
}

// One look for the whole text: the box has no formatting of its own.
QString ReadOnlyTextAccessible::attributes(int /*offset*/, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace tavenor
