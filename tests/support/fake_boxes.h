#pragma once

#include "boxes/box_access.h"

#include <map>
#include <string>
#include <vector>

namespace tavenor::testing {

// In-memory boxes that log every operation, so tests can check order as well as content.
class FakeBoxes : public BoxAccess {
public:
    std::map<std::string, std::string, std::less<>> texts;
    std::vector<std::string> log;

    std::string read(std::string_view boxName) override;
    void set(std::string_view boxName, std::string_view text) override;
    void append(std::string_view boxName, std::string_view text) override;

    const std::string& operator[](std::string_view boxName) const;
};

// The six boxes with the given lyrics and pinyin, and stale texts in the others: "history..."
// in the history box, "old decomposition", "old romaji" and "old final" in the result boxes.
FakeBoxes FilledBoxes(std::string lyrics, std::string pinyin);

} // namespace tavenor::testing
