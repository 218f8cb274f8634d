#pragma once

#include "pinyin/pinyin_provider.h"

#include <QStringList>

#include <iosfwd>

namespace tavenor {

// Whether the command line (the program's name first) asks for the dialog, which needs a
// QApplication and a display; a script's run (--lyrics), --help and --version need neither.
bool OpensDialog(const QStringList& arguments);

// The whole plugin: arguments (the program's name first), the dialog or the run without one,
// the reports on err. Returns the exit code: 0 done or cancelled, 1 a file could not be read or
// written, 2 a wrong command line.
int RunPlugin(const QStringList& arguments, std::ostream& out, std::ostream& err,
              const PinyinProvider& provider);

} // namespace tavenor
