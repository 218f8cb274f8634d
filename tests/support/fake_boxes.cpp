#include "tests/support/fake_boxes.h"

#include <stdexcept>

namespace tavenor::testing {

std::string FakeBoxes::read(std::string_view boxName)
{
    log.push_back("read " + std::string(boxName));
    return texts[std::string(boxName)];
}

void FakeBoxes::set(std::string_view boxName, std::string_view text)
{
    log.push_back("set " + std::string(boxName) + " \"" + std::string(text) + "\"");
    texts[std::string(boxName)] = text;
}

void FakeBoxes::append(std::string_view boxName, std::string_view text)
{
    log.push_back("append " + std::string(boxName));
    texts[std::string(boxName)] += text;
}

const std::string& FakeBoxes::operator[](std::string_view boxName) const
{
    const auto found = texts.find(boxName);
    if (found == texts.end())
        throw std::out_of_range("no box " + std::string(boxName));
    return found->second;
}

FakeBoxes FilledBoxes(std::string lyrics, std::string pinyin)
{
    FakeBoxes boxes;
    boxes.texts = {{std::string(box::Lyrics), std::move(lyrics)},
                   {std::string(box::Pinyin), std::move(pinyin)},
                   {std::string(box::Decomposition), "old decomposition"},
                   {std::string(box::Romaji), "old romaji"},
                   {std::string(box::History), "history..."},
                   {std::string(box::Final), "old final"}};
    return boxes;
}

} // namespace tavenor::testing
