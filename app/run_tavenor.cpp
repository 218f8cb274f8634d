#include "app/run_tavenor.h"

#include "app/application_setup.h"
#include "app/main_window.h"
#include "table/syllable_table.h"

#include <QApplication>

namespace tavenor {

int RunTavenor(const PinyinProvider& provider)
{
    SetUpApplication();
    // Empty until the window's start-up sequence loads it. Leaving this function is the
    // shutdown: the window goes first, then the table with every record and text it owns.
    SyllableTable table;
    MainWindow window(table, provider);
    window.runStartUpSequence();
    window.show();
    return QApplication::exec();
}

} // namespace tavenor
