#include "app/input_method_refusal.h"

#include <QInputMethodQueryEvent>
#include <QPlainTextEdit>

namespace tavenor {
namespace {

class InputMethodRefusal final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::InputMethodQuery: {
            auto* query = static_cast<QInputMethodQueryEvent*>(event);
            if (!query->queries().testFlag(Qt::ImEnabled))
                return false;
            query->setValue(Qt::ImEnabled, false);
            query->accept();
            return true;
        }
        case QEvent::InputMethod: event->ignore(); return true;
        default: return false;
        }
    }
};

} // namespace

void RefuseInputMethods(QPlainTextEdit& box)
{
    box.installEventFilter(new InputMethodRefusal(&box));
}

} // namespace tavenor
