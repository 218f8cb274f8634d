// The MIDI reader and writer as a program, for tests that make and check files with another
// MIDI library: `midi_file_probe IN TRACK [PLAN OUT]` prints the notes of IN, one line each
// (position, duration, tone, lyric, tab-separated; TRACK 0 takes the reader's default), and with
// PLAN writes the filled file to OUT. A PLAN line fills one note: its index, its new length and
// lyric, then each added note's length and lyric, all tab-separated.

#include "project/midi_file.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

std::string contentsOf(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::vector<std::string> fieldsOf(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    return fields;
}

tavenor::FillPlan planOf(const char* path)
{
    tavenor::FillPlan plan;
    std::istringstream in(contentsOf(path));
    for (std::string line; std::getline(in, line);) {
        const std::vector<std::string> fields = fieldsOf(line);
        tavenor::NoteFill fill;
        fill.note = std::stoul(fields.at(0));
        fill.duration = std::stoll(fields.at(1));
        fill.lyric = fields.size() > 2 ? fields[2] : "";
        for (std::size_t i = 3; i + 1 < fields.size(); i += 2)
            fill.added.push_back({fields[i + 1], std::stoll(fields[i])});
        plan.fills.push_back(fill);
    }
    return plan;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: midi_file_probe IN TRACK [PLAN OUT]\n");
        return 2;
    }
    try {
        const int track = std::stoi(argv[2]);
        const auto file = tavenor::ReadMidiFile(contentsOf(argv[1]),
                                                track == 0 ? std::nullopt : std::optional(track));
        for (const tavenor::ScoreNote& note : file->notes()) {
            std::cout << note.position << '\t' << note.duration << '\t' << note.tone << '\t'
                      << note.lyric << '\n';
        }
        if (argc == 5) {
            std::ofstream out(argv[4], std::ios::binary);
            out << file->filled(planOf(argv[3]));
        }
    } catch (const tavenor::ProjectError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
