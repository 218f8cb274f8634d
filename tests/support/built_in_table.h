#pragma once

#include "table/syllable_table.h"

namespace tavenor::testing {

// The built-in table, loaded once for the whole test, fuzz or benchmark program.
inline const SyllableTable& BuiltInTable()
{
    static const SyllableTable table = [] {
        SyllableTable loaded;
        LoadSyllableTable(loaded);
        return loaded;
    }();
    return table;
}

} // namespace tavenor::testing
