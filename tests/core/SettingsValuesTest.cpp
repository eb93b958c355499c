#include <gtest/gtest.h>

#include "core/SettingsValues.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vemo {
namespace {

const std::string kHyo = "\x95\x5C"; // "表" in Shift-JIS; its trail byte is "\"

TEST(SettingsFilePath, ReplacesOrAppendsTheExtension)
{
    EXPECT_EQ(SettingsFilePath(R"(C:\Program Files\Vemo\VEMO.EXE)", PathStyle::Windows),
              R"(C:\Program Files\Vemo\VEMO.INI)");
    EXPECT_EQ(SettingsFilePath(R"(C:\v1.2\vemo)", PathStyle::Windows), R"(C:\v1.2\vemo.INI)");
    EXPECT_EQ(SettingsFilePath("C:\\" + kHyo + "\\vemo.exe", PathStyle::Windows), "C:\\" + kHyo + "\\vemo.INI");
    EXPECT_EQ(SettingsFilePath("C:\\tools\\" + kHyo, PathStyle::Windows), "C:\\tools\\" + kHyo + ".INI");
    EXPECT_EQ(SettingsFilePath("/usr/local/bin/vemo-editor", PathStyle::Posix), "/usr/local/bin/vemo-editor.INI");
    EXPECT_EQ(SettingsFilePath("/opt/vemo-0.1/vemo.bin", PathStyle::Posix), "/opt/vemo-0.1/vemo.INI");
}

struct IntCase {
    std::string text;
    std::int32_t expected; // with the default 10
};

class SettingInt : public ::testing::TestWithParam<IntCase> {};

TEST_P(SettingInt, ReadsOrFallsBack)
{
    EXPECT_EQ(ReadSettingInt(GetParam().text, 10), GetParam().expected) << "text: '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SettingInt,
    ::testing::Values(IntCase{"0x20", 32}, IntCase{"0X20", 32}, IntCase{"0x1f", 31}, IntCase{"$10", 16},
                      IntCase{"-2000", -2000}, IntCase{"+3", 3}, IntCase{"  12", 12}, IntCase{"0", 0},
                      IntCase{"0x7FFFFFFF", 2147483647}, IntCase{"-2147483648", INT32_MIN},
                      // Texts that do not convert give the default.
                      IntCase{"0x", 10}, IntCase{"0X", 10}, IntCase{"abc", 10}, IntCase{"", 10},
                      IntCase{"12 ", 10}, IntCase{"0x80000000", 10}, IntCase{"2147483648", 10},
                      IntCase{"0xg", 10}, IntCase{"0x-5", 10}, IntCase{"-0x20", 10}, IntCase{" 0x20", 10},
                      IntCase{"x20", 10}, IntCase{"0x0x1", 10}));

TEST(KeptFontName, KeepsAtMostThirtyOneBytesOfWholeCharacters)
{
    const std::string ascii40(40, 'F');
    EXPECT_EQ(KeptFontName(ascii40, PathStyle::Posix), std::string(31, 'F'));
    EXPECT_EQ(KeptFontName(std::string(31, 'F'), PathStyle::Windows), std::string(31, 'F'));

    // "ＭＳ ゴシック" fits in both encodings.
    const std::string sjisGothic = "\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E";
    const std::string utf8Gothic = "\xef\xbc\xad\xef\xbc\xb3 \xe3\x82\xb4\xe3\x82\xb7\xe3\x83\x83\xe3\x82\xaf";
    EXPECT_EQ(KeptFontName(sjisGothic, PathStyle::Windows), sjisGothic);
    EXPECT_EQ(KeptFontName(utf8Gothic, PathStyle::Posix), utf8Gothic);

    // Shift-JIS: 16 double-byte characters are 32 bytes; the 16th is dropped whole.
    std::string sjis16;
    for (int i = 0; i < 16; ++i)
        sjis16 += kHyo;
    EXPECT_EQ(KeptFontName(sjis16, PathStyle::Windows), sjis16.substr(0, 30));
    EXPECT_EQ(KeptFontName("a" + sjis16, PathStyle::Windows), "a" + sjis16.substr(0, 30));

    // UTF-8: a three-byte character that would end at byte 32 is dropped whole.
    const std::string hyo = "\xe8\xa1\xa8";
    EXPECT_EQ(KeptFontName(std::string(29, 'a') + hyo, PathStyle::Posix), std::string(29, 'a'));
    EXPECT_EQ(KeptFontName(std::string(28, 'a') + hyo + "b", PathStyle::Posix), std::string(28, 'a') + hyo);
    EXPECT_EQ(KeptFontName("", PathStyle::Posix), "");
}

TEST(ScaleForDpi, TruncatesAfterMultiplying)
{
    EXPECT_EQ(ScaleForDpi(522, 96), 522);
    EXPECT_EQ(ScaleForDpi(335, 96), 335);
    EXPECT_EQ(ScaleForDpi(522, 120), 652);
    EXPECT_EQ(ScaleForDpi(335, 120), 418);
    EXPECT_EQ(ScaleForDpi(335, 144), 502);
    EXPECT_EQ(ScaleForDpi(522, 72), 391);
}

TEST(KeptFontSize, UnreadableSizesGiveTheDefault)
{
    for (const int stored : {0, -3, 73, 100000})
        EXPECT_EQ(KeptFontSize(stored, 10), 10) << stored;
    for (const int stored : {1, 9, 72})
        EXPECT_EQ(KeptFontSize(stored, 10), stored) << stored;
}

} // namespace
TEST(RememberRecent, PutsTheLatestFirstOnceAndKeepsTheNewest)
{
    using List = std::vector<std::string>;
    const struct {
        List before;
        std::string opened;
        List after;
    } cases[] = {
        {{}, "/a.gif", {"/a.gif"}},
        {{"/a.gif", "/b.gif", "/c.gif"}, "/c.gif", {"/c.gif", "/a.gif", "/b.gif"}},
        {{"/a.gif", "/b.gif", "/c.gif"}, "/d.gif", {"/d.gif", "/a.gif", "/b.gif"}},
        {{"/a.gif"}, "", {"/a.gif"}},
        {{"/a.gif"}, "/x\ny.gif", {"/a.gif"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(vemo::RememberRecent(c.before, c.opened, 3), c.after) << c.opened;
}

} // namespace vemo
