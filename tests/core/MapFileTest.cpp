#include <gtest/gtest.h>

#include "core/MapFile.h"

#include <string>
#include <vector>

namespace vemo {
namespace {

using Lines = std::vector<std::string>;

struct SplitCase {
    const char *name;
    std::string bytes;
    Lines lines;
};

class MapFileSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(MapFileSplit, SplitsAtEveryKindOfLineEnd)
{
    EXPECT_EQ(SplitMapFileText(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MapFileSplit,
    ::testing::Values(
        SplitCase{"Empty", "", {}},
        SplitCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
        SplitCase{"LfOnly", "a\nb\n", {"a", "b"}},
        SplitCase{"CrOnly", "a\rb\r", {"a", "b"}},
        SplitCase{"NoFinalEnd", "a\r\nb", {"a", "b"}},
        SplitCase{"OnlyAnEnd", "\r\n", {""}},
        SplitCase{"BlankLines", "a\r\n\r\n\nb\r\n\r\n", {"a", "", "", "b", ""}},
        // LF then CR is two ends; CR then LF is one.
        SplitCase{"Mixed", "a\n\rb\r\r\nc\nd", {"a", "", "b", "", "c", "d"}},
        // A NUL byte is kept in its line; reading goes on past it.
        SplitCase{"NulKept", std::string("a\r\nb\0c\r\n\0", 9), {"a", std::string("b\0c", 3), std::string(1, '\0')}},
        SplitCase{"BytesKept", "\x95\x5C\t \"\r\n\xe8\xa1\xa8 ", {"\x95\x5C\t \"", "\xe8\xa1\xa8 "}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(MapFileJoin, EndsEveryLineWithCrLf)
{
    EXPECT_EQ(JoinMapFileLines({}), "");
    EXPECT_EQ(JoinMapFileLines({""}), "\r\n");
    EXPECT_EQ(JoinMapFileLines({"<MAP NAME=\"a\">", "", "</MAP>"}), "<MAP NAME=\"a\">\r\n\r\n</MAP>\r\n");
}

TEST(MapFileJoin, RoundTripsLinesAndNormalisesLineEnds)
{
    const Lines lines = {R"(<IMG SRC="photo.gif" ALT="photo.gif" BORDER="0" WIDTH=320 HEIGHT=200 USEMAP="#photo">)",
                         R"(<MAP NAME="photo">)", "", "\x95\x5C \xe8\xa1\xa8", "</MAP>"};
    EXPECT_EQ(SplitMapFileText(JoinMapFileLines(lines)), lines);
    EXPECT_EQ(JoinMapFileLines(SplitMapFileText("a\n\nb")), "a\r\n\r\nb\r\n");
}

} // namespace
} // namespace vemo
