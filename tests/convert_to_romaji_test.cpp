#include "boxes/convert_to_romaji.h"

#include "tests/support/built_in_table.h"
#include "tests/support/fake_boxes.h"

#include <gtest/gtest.h>

namespace tavenor {
namespace {

using testing::FakeBoxes;

class ConvertToRomajiTest : public ::testing::Test {
protected:
    const SyllableTable& table = testing::BuiltInTable();
    FakeBoxes boxes = testing::FilledBoxes("x", "ba,ni,wo,lv,");
};

TEST_F(ConvertToRomajiTest, EmptiesThenWritesEachBoxOnce)
{
    ConvertToRomaji(boxes, table);
    const std::vector<std::string> expected{
        "set 编辑框6 \"\"", "set 编辑框3 \"\"", "set 编辑框4 \"\"", "read 编辑框2",
        "append 编辑框5",   "append 编辑框3",   "append 编辑框4",   "append 编辑框6"};
    EXPECT_EQ(boxes.log, expected);
    EXPECT_EQ(boxes[box::Decomposition], "b,a,n,i,w,o,l,v,");
    EXPECT_EQ(boxes[box::Romaji], "pa , ni , wo , ri yu , ");
    EXPECT_EQ(boxes[box::Final], "pa[p a]\r\nni[J i]\r\nwo[w o]\r\nri[4' i]+yu[jM]\r\n");
    EXPECT_EQ(boxes[box::History], "history...ba\r\nni\r\nwo\r\nlv\r\n");
}

TEST_F(ConvertToRomajiTest, RunningTwiceRebuildsResultsAndGrowsHistory)
{
    ConvertToRomaji(boxes, table);
    const FakeBoxes once = boxes;
    ConvertToRomaji(boxes, table);
    for (const std::string_view name :
         {box::Lyrics, box::Pinyin, box::Decomposition, box::Romaji, box::Final})
        EXPECT_EQ(boxes[name], once[name]) << name;
    EXPECT_EQ(boxes[box::History], "history...ba\r\nni\r\nwo\r\nlv\r\nba\r\nni\r\nwo\r\nlv\r\n");
}

TEST_F(ConvertToRomajiTest, EmptyPinyinBoxEmptiesResultsAndKeepsHistory)
{
    boxes.texts[std::string(box::Pinyin)] = "";
    ConvertToRomaji(boxes, table);
    EXPECT_EQ(boxes[box::Decomposition], "");
    EXPECT_EQ(boxes[box::Romaji], "");
    EXPECT_EQ(boxes[box::Final], "");
    EXPECT_EQ(boxes[box::History], "history...");
    EXPECT_EQ(boxes[box::Pinyin], "");
}

TEST_F(ConvertToRomajiTest, EmptyTableShowsQuestionMarks)
{
    ConvertToRomaji(boxes, SyllableTable{});
    EXPECT_EQ(boxes[box::Romaji], "? , ? , ? , ? , ");
    EXPECT_EQ(boxes[box::Final], "?\r\n?\r\n?\r\n?\r\n");
}

} // namespace
} // namespace tavenor
