#include <gtest/gtest.h>

#include "core/PathRules.h"

#include <string>

namespace vemo {
namespace {

constexpr PathStyle kWin = PathStyle::Windows;
constexpr PathStyle kPosix = PathStyle::Posix;

// "表" in Shift-JIS: its trail byte is the same byte as "\".
const std::string kHyo = "\x95\x5C";

struct SplitCase {
    const char *name;
    std::string path;
    PathStyle style;
    std::string folder;
    std::string file;
    std::string extension;
};

class PathSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(PathSplit, FolderFileNameAndExtension)
{
    const SplitCase &c = GetParam();
    EXPECT_EQ(FolderPart(c.path, c.style), c.folder);
    EXPECT_EQ(FileNamePart(c.path, c.style), c.file);
    EXPECT_EQ(ExtensionPart(c.path, c.style), c.extension);
    EXPECT_EQ(FolderPart(c.path, c.style) + FileNamePart(c.path, c.style), c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, PathSplit,
    ::testing::Values(
        SplitCase{"Plain", R"(C:\web\img\pic.gif)", kWin, R"(C:\web\img\)", "pic.gif", ".gif"},
        SplitCase{"DriveRelative", "D:pic.GIF", kWin, "D:", "pic.GIF", ".GIF"},
        SplitCase{"NoFolder", "pic.gif", kWin, "", "pic.gif", ".gif"},
        SplitCase{"TwoDots", R"(C:\web\a.b.gif)", kWin, R"(C:\web\)", "a.b.gif", ".gif"},
        SplitCase{"NoExtension", R"(C:\web\pic)", kWin, R"(C:\web\)", "pic", ""},
        SplitCase{"DotInFolder", R"(C:\web.d\pic)", kWin, R"(C:\web.d\)", "pic", ""},
        SplitCase{"LeadingDot", R"(C:\web\.gif)", kWin, R"(C:\web\)", ".gif", ".gif"},
        SplitCase{"TrailingDot", R"(C:\web\pic.)", kWin, R"(C:\web\)", "pic.", "."},
        SplitCase{"EndsWithSeparator", R"(C:\web\)", kWin, R"(C:\web\)", "", ""},
        SplitCase{"Unc", R"(\\server\share\p.bmp)", kWin, R"(\\server\share\)", "p.bmp", ".bmp"},
        SplitCase{"SlashIsNotASeparator", "C:\\web/p.gif", kWin, "C:\\", "web/p.gif", ".gif"},
        SplitCase{"ShiftJisFolder", "C:\\" + kHyo + "\\pic.gif", kWin, "C:\\" + kHyo + "\\", "pic.gif", ".gif"},
        SplitCase{"ShiftJisFileName", "C:\\web\\" + kHyo, kWin, "C:\\web\\", kHyo, ""},
        SplitCase{"ShiftJisBeforeDot", "C:\\web\\" + kHyo + ".d\\" + kHyo + ".bmp", kWin,
                  "C:\\web\\" + kHyo + ".d\\", kHyo + ".bmp", ".bmp"},
        // Half-width katakana are single bytes: the "\" after one is a separator.
        SplitCase{"HalfWidthKana", "C:\\\xB1\\pic.gif", kWin, "C:\\\xB1\\", "pic.gif", ".gif"}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Posix, PathSplit,
    ::testing::Values(
        SplitCase{"Plain", "/home/u/pic.gif", kPosix, "/home/u/", "pic.gif", ".gif"},
        SplitCase{"Root", "/pic.gif", kPosix, "/", "pic.gif", ".gif"},
        SplitCase{"NoFolder", "pic.gif", kPosix, "", "pic.gif", ".gif"},
        SplitCase{"TwoDots", "/w/a.b.gif", kPosix, "/w/", "a.b.gif", ".gif"},
        SplitCase{"DotInFolder", "/w/img.d/pic", kPosix, "/w/img.d/", "pic", ""},
        SplitCase{"LeadingDot", "/home/u/.gif", kPosix, "/home/u/", ".gif", ".gif"},
        SplitCase{"BackslashAndColonAreNameBytes", "/w/a:b\\c.gif", kPosix, "/w/", "a:b\\c.gif", ".gif"},
        SplitCase{"Utf8", "/home/\xe5\x86\x99/\xe8\xa1\xa8.bmp", kPosix, "/home/\xe5\x86\x99/",
                  "\xe8\xa1\xa8.bmp", ".bmp"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ChangeExtension, ReplacesOrAppends)
{
    EXPECT_EQ(ChangeExtension(R"(C:\web\photo.bmp)", ".jpg", kWin), R"(C:\web\photo.jpg)");
    EXPECT_EQ(ChangeExtension(R"(C:\web\photo.jpeg)", ".jpg", kWin), R"(C:\web\photo.jpg)");
    EXPECT_EQ(ChangeExtension(R"(C:\web\a.b.gif)", ".vmo", kWin), R"(C:\web\a.b.vmo)");
    EXPECT_EQ(ChangeExtension(R"(C:\web.d\photo)", ".jpg", kWin), R"(C:\web.d\photo.jpg)");
    EXPECT_EQ(ChangeExtension("C:\\" + kHyo + "\\" + kHyo, ".jpg", kWin), "C:\\" + kHyo + "\\" + kHyo + ".jpg");
    EXPECT_EQ(ChangeExtension("/w/.gif", ".vmo", kPosix), "/w/.vmo");
    EXPECT_EQ(ChangeExtension("/w.d/photo", ".vmo", kPosix), "/w.d/photo.vmo");
}

TEST(FolderForDisplay, DropsTheFinalSeparatorExceptAtARoot)
{
    EXPECT_EQ(FolderForDisplay(R"(C:\web\img\pic.gif)", kWin), R"(C:\web\img)");
    EXPECT_EQ(FolderForDisplay(R"(C:\pic.gif)", kWin), R"(C:\)");
    EXPECT_EQ(FolderForDisplay(R"(\pic.gif)", kWin), R"(\)");
    EXPECT_EQ(FolderForDisplay("D:pic.gif", kWin), "D:");
    EXPECT_EQ(FolderForDisplay("C:\\" + kHyo + "\\pic.gif", kWin), "C:\\" + kHyo);
    EXPECT_EQ(FolderForDisplay("/home/u/pic.gif", kPosix), "/home/u");
    EXPECT_EQ(FolderForDisplay("/pic.gif", kPosix), "/");
    EXPECT_EQ(FolderForDisplay("pic.gif", kPosix), "");
}

TEST(LinkBaseFolder, TurnsBackslashesIntoSlashesButNotTrailBytes)
{
    EXPECT_EQ(LinkBaseFolder(R"(C:\web\img\pic.gif)", kWin), "C:/web/img/");
    EXPECT_EQ(LinkBaseFolder("C:\\" + kHyo + "\\pic.gif", kWin), "C:/" + kHyo + "/");
    EXPECT_EQ(LinkBaseFolder("/home/u/pic.gif", kPosix), "/home/u/");
}

TEST(MapName, IsTheFileNameBeforeItsFirstDot)
{
    EXPECT_EQ(MapNameFromFileName("photo.gif"), "photo");
    EXPECT_EQ(MapNameFromFileName("a.b.gif"), "a");
    EXPECT_EQ(MapNameFromFileName(".gif"), "");
    EXPECT_EQ(MapNameFromFileName("photo"), "photo");
    EXPECT_EQ(MapNameFromFileName(kHyo + ".jpg"), kHyo);
}

TEST(WholeCharPrefix, NeverCutsACharacter)
{
    // Shift-JIS: the second "表" does not fit in three bytes; half-width kana are one byte each.
    EXPECT_EQ(WholeCharPrefixLength(kHyo + kHyo, 3, kWin), 2u);
    EXPECT_EQ(WholeCharPrefixLength("\xB1\xB2" + kHyo, 3, kWin), 2u);
    EXPECT_EQ(WholeCharPrefixLength("a" + kHyo, 3, kWin), 3u);
    // A lead byte with no trail byte after it is not a whole character.
    EXPECT_EQ(WholeCharPrefixLength("a\x95", 5, kWin), 1u);
    // UTF-8: two-, three- and four-byte characters.
    EXPECT_EQ(WholeCharPrefixLength("\xe8\xa1\xa8\xe8\xa1\xa8", 5, kPosix), 3u);
    EXPECT_EQ(WholeCharPrefixLength("a\xc3\xa9", 2, kPosix), 1u);
    EXPECT_EQ(WholeCharPrefixLength("\xf0\x9f\x98\x80z", 4, kPosix), 4u);
    EXPECT_EQ(WholeCharPrefixLength("\xf0\x9f\x98\x80z", 3, kPosix), 0u);
    EXPECT_EQ(WholeCharPrefixLength("abc", 0, kPosix), 0u);
    EXPECT_EQ(WholeCharPrefixLength("abc", 10, kPosix), 3u);
}

} // namespace
} // namespace vemo
