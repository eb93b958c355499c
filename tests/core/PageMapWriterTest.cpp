#include <gtest/gtest.h>

#include "core/PageMapReader.h"
#include "core/PageMapWriter.h"
#include "core/ResponsiveScript.h"

#include <optional>
#include <string>
#include <vector>

namespace vemo {
namespace {

using Lines = std::vector<std::string>;

const Lines kMap = {"<IMG SRC=\"pic.gif\" ALT=\"pic.gif\" BORDER=\"0\" WIDTH=9 HEIGHT=9 USEMAP=\"#pic\">",
                    "<MAP NAME=\"pic\">", "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"a.htm\" ALT=\"A\">", "</MAP>"};

// The map's lines from its start line, each after the line break and indent but the first.
std::string Written(const std::string &lineBreak, const std::string &indent = "")
{
    return kMap[1] + lineBreak + indent + kMap[2] + lineBreak + indent + kMap[3];
}

struct WriteCase {
    const char *name;
    std::string page;
    std::string expected; // the written page; unused when refused
    std::optional<PageExportRefusal> refusal = std::nullopt;
    bool script = false;
    std::string mapName = "pic";
};

class PageWriting : public ::testing::TestWithParam<WriteCase> {};

TEST_P(PageWriting, ChangesOnlyTheMapAndTheUsemapOrRefusesLeavingNothingWritten)
{
    const WriteCase &c = GetParam();
    const PageExport written = ExportMapToPage(c.page, {kMap, "photos/pic.gif", c.mapName}, c.script);
    EXPECT_EQ(written.refusal, c.refusal);
    if (c.refusal)
        EXPECT_TRUE(written.page.empty() && written.edits.empty());
    else
        EXPECT_EQ(written.page, c.expected);
}

const std::string kScript = ResponsiveScriptElement();

INSTANTIATE_TEST_SUITE_P(
    Pages, PageWriting,
    ::testing::Values(
        WriteCase{"ReplacesTheMapOfTheNameIndentedAsItWas",
                  "<p>\n  <img src=pic.gif usemap=#pic>\n  <map name=\"pic\"><area href=x>\n  </map> <b>\n</p>\n",
                  "<p>\n  <img src=pic.gif usemap=#pic>\n  " + Written("\n", "  ") + " <b>\n</p>\n"},
        WriteCase{"AMapLeftOpenEndsAfterItsLastAreaAndCrLfStays",
                  "<MAP NAME=pic>\r\n<AREA COORDS=1,1,2,2>\r\n<P>after\r\n<map name=other></map>",
                  Written("\r\n") + "\r\n<P>after\r\n<map name=other></map>"},
        WriteCase{"AMapWithoutNameIsFoundByItsId", "<map id=pic></map>\n", Written("\n") + "\n"},
        WriteCase{"InsertsAfterThePictureAndAddsAUsemap",
                  "<body>\n\t<img src=\"img/pic.gif\" alt=x>\n</body>\n",
                  "<body>\n\t<img src=\"img/pic.gif\" alt=x usemap=\"#pic\">\n\t" + Written("\n", "\t") + "\n</body>\n"},
        WriteCase{"TheAddedUsemapFollowsUpperCaseNamesAndStaysBeforeASlash", "<IMG SRC=\"PIC.GIF\"/>",
                  "<IMG SRC=\"PIC.GIF\" USEMAP=\"#pic\"/>\n" + Written("\n")},
        WriteCase{"TheUsemapGoesFirstWhenTheLastValueIsMissing", "<img src=pic.gif title= >",
                  "<img usemap=\"#pic\" src=pic.gif title= >\n" + Written("\n")},
        WriteCase{"ReplacesAQuotedUsemapValueInItsQuotes", "<img src=pic.gif usemap='#old' alt=''>",
                  "<img src=pic.gif usemap='#pic' alt=''>\n" + Written("\n")},
        WriteCase{"QuotesAnUnquotedUsemap", "<img src=pic.gif usemap=#old>",
                  "<img src=pic.gif usemap=\"#pic\">\n" + Written("\n")},
        WriteCase{"GivesEveryImageOfThePictureTheUsemapWhenTheyAgree",
                  "<img src=pic.gif usemap=#old><img src=./pic.gif usemap=\"#old\">",
                  "<img src=pic.gif usemap=\"#pic\">\n" + Written("\n") + "<img src=./pic.gif usemap=\"#pic\">"},
        WriteCase{"ABareUsemapIsGivenItsValue", "<img usemap src=pic.gif>",
                  "<img usemap=\"#pic\" src=pic.gif>\n" + Written("\n")},
        WriteCase{"ShiftJisBytesAroundStayAsTheyWere",
                  "\x83\x5c\x93\xfa<map name=pic><area alt=\"\x95\x5c\"></map>\x83\x5c\r\n",
                  "\x83\x5c\x93\xfa" + Written("\r\n") + "\x83\x5c\r\n"},
        WriteCase{"LookAlikeTagsInCommentsAndScriptsAreNotTouched",
                  "<!-- <map name=pic></map> --><script>s='<map name=pic>'</script>\n<img src=pic.gif>\n"
                  "<script>'<img src=pic.gif>'</script>",
                  "<!-- <map name=pic></map> --><script>s='<map name=pic>'</script>\n<img src=pic.gif usemap=\"#pic\">\n"
                      + Written("\n") + "\n<script>'<img src=pic.gif>'</script>"},
        WriteCase{"ANameInAnotherCaseIsAnotherMap", "<map name=PIC></map><img src=pic.gif>",
                  "<map name=PIC></map><img src=pic.gif usemap=\"#pic\">\n" + Written("\n")},
        WriteCase{"TwoMapsOfTheNameAreRefused", "<map name=pic></map><map id=pic></map><img src=pic.gif>", "",
                  PageExportRefusal::MapNameRepeated},
        WriteCase{"NoMapAndNoImageOfThePictureIsRefused", "<img src=other.gif><img src=xpic.gif>", "",
                  PageExportRefusal::NoPictureImage},
        WriteCase{"ImagesOfThePictureUsingOtherMapsAreRefused", "<img src=pic.gif usemap=#a><img src=pic.gif usemap=#b>",
                  "", PageExportRefusal::PictureImagesDiffer},
        WriteCase{"AMapWithoutNameIsRefused", "<map></map>", "", PageExportRefusal::MapNameEmpty, false, ""},
        WriteCase{"TheScriptGoesOnALineBeforeBody", "<map name=pic></map>\n  </body>\n",
                  Written("\n") + "\n  " + kScript + "\n  </body>\n", std::nullopt, true},
        WriteCase{"TheScriptGoesAfterTheLastLineWithoutBody", "<map name=pic></map>",
                  Written("\n") + "\n" + kScript + "\n", std::nullopt, true},
        WriteCase{"ThePageEndingInsideATagGetsTheScriptAfterTheMap", "<img src=pic.gif>\n<a href=\"x",
                  "<img src=pic.gif usemap=\"#pic\">\n" + Written("\n") + "\n" + kScript + "\n<a href=\"x",
                  std::nullopt, true},
        WriteCase{"TheScriptFollowsABodyInsideTheReplacedMap", "<map name=pic></body></map>x",
                  Written("\n") + kScript + "x", std::nullopt, true},
        WriteCase{"ThePageKeepsTheScriptItHas",
                  "<map name=pic></map><script data-vemo-responsive></script></body>",
                  Written("\n") + "<script data-vemo-responsive></script></body>", std::nullopt, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PageWriting, ReportsTheLinesOfEachChangeInTheOldAndNewPage)
{
    const PageExport replaced = ExportMapToPage("a\r\nb <map name=pic>\r\n<area>\r\n</map>\r\n</body>", {kMap, "pic.gif", "pic"}, true);
    ASSERT_EQ(replaced.edits.size(), 2);
    EXPECT_EQ(replaced.edits[0].kind, PageEditKind::MapReplaced);
    EXPECT_EQ(std::vector({replaced.edits[0].oldFirstLine, replaced.edits[0].oldLastLine, replaced.edits[0].firstLine,
                           replaced.edits[0].lastLine}),
              std::vector({2, 4, 2, 4}));
    EXPECT_EQ(replaced.edits[1].kind, PageEditKind::ScriptAdded);
    EXPECT_EQ(replaced.edits[1].firstLine, 5);
    EXPECT_EQ(replaced.edits[1].lastLine, 5);

    const PageExport inserted = ExportMapToPage("x\n<img\nsrc=pic.gif>\ny", {kMap, "pic.gif", "pic"});
    ASSERT_EQ(inserted.edits.size(), 2);
    EXPECT_EQ(inserted.edits[0].kind, PageEditKind::UsemapAdded);
    EXPECT_EQ(inserted.edits[0].firstLine, 3);
    EXPECT_EQ(inserted.edits[1].kind, PageEditKind::MapInserted);
    EXPECT_EQ(std::vector({inserted.edits[1].oldFirstLine, inserted.edits[1].firstLine, inserted.edits[1].lastLine}),
              std::vector({0, 4, 6}));
}

TEST(PageWriting, LinesAfterTheMapEndLineStayOutOfThePage)
{
    Lines lines = kMap;
    lines.back() = " </map> ";
    lines.insert(lines.end(), {"", "  "});
    EXPECT_EQ(ExportMapToPage("<map name=pic></map>", {lines, "pic.gif", "pic"}).page,
              kMap[1] + "\n" + kMap[2] + "\n </map> ");
}

TEST(PageWriting, ImportingAndExportingAnUnchangedMapGivesTheSameBytes)
{
    const std::string page = "<HTML>\r\n<BODY>\r\n <IMG SRC=\"pic.gif\" USEMAP=\"#pic\">\r\n <MAP NAME=\"pic\">\r\n"
                             " <AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"a.htm\" ALT=\"\x93\xfa\">\r\n"
                             " <AREA SHAPE=\"CIRCLE\" COORDS=\"5,6,7\" HREF=\"b.htm\" ALT=\"B &amp; C\">\r\n"
                             " <AREA SHAPE=\"POLY\" COORDS=\"1,1,9,1,5,5\" HREF=\"\" ALT=\"\">\r\n"
                             " <AREA SHAPE=\"DEFAULT\" HREF=\"d.htm\" ALT=\"D\">\r\n </MAP>\r\n</BODY>\r\n</HTML>\r\n";
    const PageMaps read = ReadPageMaps(page);
    ASSERT_EQ(read.maps.size(), 1);
    ASSERT_TRUE(read.maps[0].notes.empty());
    Lines lines = {"<IMG SRC=\"pic.gif\" ALT=\"pic.gif\" BORDER=\"0\" WIDTH=9 HEIGHT=9 USEMAP=\"#pic\">",
                   "<MAP NAME=\"pic\">"};
    lines.insert(lines.end(), read.maps[0].lines.begin(), read.maps[0].lines.end());
    lines.push_back("</MAP>");
    const PageExport written = ExportMapToPage(page, {lines, "pic.gif", "pic"});
    ASSERT_FALSE(written.refusal);
    EXPECT_EQ(written.page, page);
}

} // namespace
} // namespace vemo
