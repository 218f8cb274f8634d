#pragma once

#include "boxes/box_access.h"

#include <map>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace tavenor {

// The box operations over the real edit boxes, found by their control names under a window.
// Text crosses here between Unicode and GB18030 bytes, and between the widgets' line breaks and
// CR LF. The program's own writes to the single-line boxes raise no signal at all, so a change
// that the window hears of comes from elsewhere: keys, input methods, the clipboard or an
// assistive tool.
class WidgetBoxes final : public BoxAccess {
public:
    explicit WidgetBoxes(const QWidget& window);

    std::string read(std::string_view boxName) override;
    void set(std::string_view boxName, std::string_view text) override;
    void append(std::string_view boxName, std::string_view text) override;

private:
    // Exactly one of the two is set.
    struct Box {
        QLineEdit* line = nullptr;
        QPlainTextEdit* lines = nullptr;
    };

    const Box& find(std::string_view boxName) const;

    std::map<std::string, Box, std::less<>> m_boxes;
};

} // namespace tavenor
