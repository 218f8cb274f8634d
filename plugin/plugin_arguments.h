#pragma once

#include "score/fill_notes.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace tavenor {

// What the host (or a script) asked of the plugin: the temp file to fill and, with --lyrics, the
// lyrics to fill it with and no window. The options also preset the dialog's choices.
struct PluginRequest {
    QString ustFile;
    std::optional<QString> lyricsFile;
    FillOptions options; // its lyrics stay empty: they come from the file or the dialog
};

enum class PluginInfo { Help, Version };

// A wrong command line: one line naming what is wrong.
struct PluginUsageError {
    QString message;
};

using PluginArguments = std::variant<PluginRequest, PluginInfo, PluginUsageError>;

// arguments[0] is the program's name.
PluginArguments ParsePluginArguments(const QStringList& arguments);

} // namespace tavenor
