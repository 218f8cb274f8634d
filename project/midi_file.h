#pragma once

#include "project/project_file.h"

#include <memory>
#include <optional>
#include <string_view>

namespace tavenor {

// A Standard MIDI File of format 0 or 1: the notes of one track (track counts from 1 in file
// order; without it, the track with the most notes). Throws ProjectError for a file that is no
// such file.
std::unique_ptr<ProjectFile> ReadMidiFile(std::string_view bytes, std::optional<int> track);

} // namespace tavenor
