#pragma once

#include <QAccessible>

class QPlainTextEdit;
class QWidget;

namespace tavenor {

// Shows `widget` to assistive tools in `role` instead of the one Qt gives its class: Qt takes a
// plain top-level widget for a filler and any frame for a window border.
void SetAccessibleRole(QWidget& widget, QAccessible::Role role);

// Shows a read-only multi-line box to assistive tools with its text, caret and selection but
// without an editable-text interface, which Qt offers whatever the read-only flag says.
void ExposeAsReadOnlyText(QPlainTextEdit& box);

} // namespace tavenor
