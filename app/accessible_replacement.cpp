#include "app/accessible_replacement.h"

#include "app/read_only_text_accessible.h"

#include <QAccessibleWidget>

namespace tavenor {
namespace {

// Qt's factories are asked before ours could be, so the interface Qt made for the object (now or
// earlier) leaves the cache and ours takes its place; the cache deletes ours with the object.
void replaceAccessible(QAccessibleInterface* accessible)
{
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(accessible->object()))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    QAccessible::registerAccessibleInterface(accessible);
}

} // namespace

void SetAccessibleRole(QWidget& widget, QAccessible::Role role)
{
    replaceAccessible(new QAccessibleWidget(&widget, role));
}

void ExposeAsReadOnlyText(QPlainTextEdit& box)
{
    replaceAccessible(new ReadOnlyTextAccessible(&box));
}

} // namespace tavenor
