// Fills a .ustx as the YAML read-back test asks: ustx_fill_tool FILE LYRIC... writes FILE to
// standard output with note i of its first track with notes singing LYRIC i, whose parts are
// separated by the unit separator (0x1F), each later part split off the note's end.

#include "project/project_file.h"
#include "project/ustx_file.h"
#include "tests/support/parts_plan.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: ustx_fill_tool FILE LYRIC...\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::vector<std::vector<std::string>> parts;
    for (int i = 2; i < argc; ++i) {
        std::vector<std::string>& lyric = parts.emplace_back(1);
        for (const char* c = argv[i]; *c != '\0'; ++c) {
            if (*c == '\x1F')
                lyric.emplace_back();
            else
                lyric.back() += *c;
        }
    }
    try {
        const std::string file = bytes.str();
        const auto project = tavenor::ReadUstxFile(file, std::nullopt);
        std::cout << project->filled(tavenor::testing::PartsPlan(project->notes(), parts));
    } catch (const tavenor::ProjectError& error) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.what());
        return 1;
    }
    return 0;
}
