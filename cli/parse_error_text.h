#pragma once

#include <QCommandLineParser>
#include <QString>

namespace tavenor {

// What went wrong in parsing a command line, for a one-line usage error: QCommandLineParser's own
// words, less its capital and full stop, for every problem but an unknown option, which is named
// as it was typed. The command line and the plugin say it alike.
QString ParseErrorText(const QCommandLineParser& parser);

} // namespace tavenor
