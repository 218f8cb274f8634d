#pragma once

#include "pinyin/lu_question.h"

#include <QString>

#include <array>

class QLineEdit;

namespace tavenor {

// Asks through another question while the window's two input boxes take no edit: while the
// question is open the user may answer it and do nothing else. The boxes turn read-only, which
// tells an assistive tool that they take no edit; an edit that comes all the same (Qt's
// accessible interface writes even to a read-only box) is undone by refuseEdit() before anything
// converts it, so that after the answer the boxes hold what the action alone writes.
class LockingLuQuestion final : public LuQuestion {
public:
    LockingLuQuestion(LuQuestion& question, QLineEdit& lyrics, QLineEdit& pinyin);

    bool askIsLu(std::string_view title, std::string_view message, const LuOccurrence& lu) override;

    // While a question is open: puts back what box held when it was asked, and returns true.
    bool refuseEdit(QLineEdit& box);

private:
    struct Input {
        QLineEdit* box;
        QString heldWhenAsked;
    };

    LuQuestion& m_question;
    std::array<Input, 2> m_inputs;
    bool m_open = false;
};

} // namespace tavenor
