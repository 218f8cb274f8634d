#pragma once

#include "project/project_file.h"

#include <memory>
#include <optional>
#include <string_view>

namespace tavenor {

// An OpenUtau project: the notes of one track's voice parts (track counts from 1; without it, the
// first track that has notes). Throws ProjectError for a file that is no such project. The
// project refers to `bytes` (a file may be large): they must outlive it.
std::unique_ptr<ProjectFile> ReadUstxFile(std::string_view bytes, std::optional<int> track);

} // namespace tavenor
