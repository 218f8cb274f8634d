#pragma once

#include "project/project_file.h"

#include <memory>
#include <string_view>

namespace tavenor {

// What a .ust holds: a whole UTAU project, or the selected notes that a host hands its plugin.
// They differ in how their encoding is told and in how inserted notes are written.
enum class UstKind { Project, PluginTempFile };

// Throws ProjectError for a file that is no .ust.
std::unique_ptr<ProjectFile> ReadUstFile(std::string_view bytes, UstKind kind);

} // namespace tavenor
