#pragma once

#include <QAccessibleWidget>

class QPlainTextEdit;
class QTextCursor;

namespace tavenor {

// What an assistive tool sees of a read-only multi-line box: its text, caret and selection, but
// no editable-text interface. Qt's own one edits the document whatever the read-only flag says,
// so a screen reader or a voice-control tool could overwrite a result.
class ReadOnlyTextAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadOnlyTextAccessible(QPlainTextEdit* box);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text type) const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QPlainTextEdit& box() const;
    // A cursor in the box's document at `offset`, kept inside the text.
    QTextCursor cursorAt(int offset) const;
};

} // namespace tavenor
