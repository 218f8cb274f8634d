#pragma once

#include "pinyin/lu_question.h"

class QWidget;

namespace tavenor {

// Asks the lu question in a modal message box over the main window. Escape or closing the box
// counts as No.
class MessageBoxLuQuestion final : public LuQuestion {
public:
    explicit MessageBoxLuQuestion(QWidget* parent);

    bool askIsLu(std::string_view title, std::string_view message, const LuOccurrence& lu) override;

private:
    QWidget* m_parent;
};

} // namespace tavenor
