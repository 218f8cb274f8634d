#include "app/locking_lu_question.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace tavenor {

LockingLuQuestion::LockingLuQuestion(LuQuestion& question, QLineEdit& lyrics, QLineEdit& pinyin)
    : m_question(question)
    , m_inputs{Input{&lyrics, {}}, Input{&pinyin, {}}}
{
}

bool LockingLuQuestion::askIsLu(std::string_view title, std::string_view message,
                                const LuOccurrence& lu)
{
    for (Input& input : m_inputs) {
        input.heldWhenAsked = input.box->text();
        input.box->setReadOnly(true);
    }
    m_open = true;
    const bool yes = m_question.askIsLu(title, message, lu);
    m_open = false;
    for (Input& input : m_inputs) {
        input.box->setReadOnly(false);
        input.heldWhenAsked.clear();
    }
    return yes;
}

bool LockingLuQuestion::refuseEdit(QLineEdit& box)
{
    if (!m_open)
        return false;
    for (const Input& input : m_inputs) {
        if (input.box == &box) {
            const QSignalBlocker restoring(box);
            box.setText(input.heldWhenAsked);
        }
    }
    return true;
}

} // namespace tavenor
