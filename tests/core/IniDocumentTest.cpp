#include <gtest/gtest.h>

#include "core/IniDocument.h"

#include <optional>
#include <string>
#include <utility>

namespace vemo {
namespace {

const std::string kSample = "; Vemo settings\r\n"
                            "[Other]\r\n"
                            "LEFT=99\r\n"
                            "\r\n"
                            "[main]\r\n"
                            " left = 12 \r\n"
                            ";TOP=7\r\n"
                            "Top=-5\r\n"
                            "FONTNAME=\"\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E\"\r\n"
                            "FONTSIZE=10 ; large\r\n"
                            "LIST=a,b\r\n"
                            "EXPR=a=b\r\n"
                            "SINGLE='x'\r\n"
                            "HALF=\"x\r\n"
                            "EMPTY=\r\n"
                            "\r\n"
                            "[Tail]\r\n"
                            "K=V\r\n";

TEST(IniDocumentRead, FindsKeysInTheirSectionWithoutRegardToCase)
{
    const IniDocument ini(kSample);
    EXPECT_EQ(ini.Value("MAIN", "LEFT"), "12");
    EXPECT_EQ(ini.Value("Main", "top"), "-5"); // the commented-out TOP is not a key
    EXPECT_EQ(ini.Value("other", "Left"), "99");
    EXPECT_EQ(ini.Value("TAIL", "k"), "V");
    EXPECT_EQ(ini.Value("MAIN", "K"), std::nullopt);
    EXPECT_EQ(ini.Value("NONE", "LEFT"), std::nullopt);
    EXPECT_EQ(IniDocument().Value("MAIN", "LEFT"), std::nullopt);
}

TEST(IniDocumentRead, ValuesAreReadWholeWithOnePairOfQuotesRemoved)
{
    const IniDocument ini(kSample);
    EXPECT_EQ(ini.Value("MAIN", "FONTNAME"), "\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E");
    EXPECT_EQ(ini.Value("MAIN", "FONTSIZE"), "10 ; large");
    EXPECT_EQ(ini.Value("MAIN", "LIST"), "a,b");
    EXPECT_EQ(ini.Value("MAIN", "EXPR"), "a=b");
    EXPECT_EQ(ini.Value("MAIN", "SINGLE"), "x");
    EXPECT_EQ(ini.Value("MAIN", "HALF"), "\"x");
    EXPECT_EQ(ini.Value("MAIN", "EMPTY"), "");
}

TEST(IniDocumentEdit, ReplacingAKeyKeepsEveryOtherLine)
{
    IniDocument ini(kSample);
    ini.SetValue("MAIN", "LEFT", "7");
    std::string expected = kSample;
    expected.replace(expected.find(" left = 12 "), 11, "LEFT=7");
    EXPECT_EQ(ini.Text(), expected);
    EXPECT_EQ(ini.Value("OTHER", "LEFT"), "99");
}

TEST(IniDocumentEdit, NewKeyGoesAfterTheSectionsLastLine)
{
    IniDocument ini("[MAIN]\r\nLEFT=1\r\n\r\n[Other]\r\nX=1\r\n");
    ini.SetValue("MAIN", "TOP", "2");
    EXPECT_EQ(ini.Text(), "[MAIN]\r\nLEFT=1\r\nTOP=2\r\n\r\n[Other]\r\nX=1\r\n");

    IniDocument last("[Other]\nX=1\n[MAIN]");
    last.SetValue("MAIN", "LEFT", "0");
    EXPECT_EQ(last.Text(), "[Other]\r\nX=1\r\n[MAIN]\r\nLEFT=0\r\n");
}

TEST(IniDocumentEdit, MissingSectionIsAddedAtTheEnd)
{
    IniDocument ini("; comment\r\n[Other]\r\nX=1\r\n");
    ini.SetValue("MAIN", "LEFT", "0");
    EXPECT_EQ(ini.Text(), "; comment\r\n[Other]\r\nX=1\r\n[MAIN]\r\nLEFT=0\r\n");
}

TEST(IniDocumentEdit, SettingsWrittenToAnEmptyFileReadBack)
{
    IniDocument ini;
    ini.SetValue("MAIN", "LEFT", "-2000");
    ini.SetValue("MAIN", "TOP", "0");
    ini.SetValue("MAIN", "FONTNAME", "\xef\xbc\xad\xef\xbc\xb3 \xe3\x82\xb4");
    ini.SetValue("MAIN", "FONTSIZE", "10");
    ini.SetValue("MAIN", "JAPAN", "0");
    ini.SetValue("main", "top", "5");
    EXPECT_EQ(ini.Text(), "[MAIN]\r\nLEFT=-2000\r\ntop=5\r\nFONTNAME=\xef\xbc\xad\xef\xbc\xb3 \xe3\x82\xb4\r\n"
                          "FONTSIZE=10\r\nJAPAN=0\r\n");

    const IniDocument reread(ini.Text());
    EXPECT_EQ(reread.Value("MAIN", "LEFT"), "-2000");
    EXPECT_EQ(reread.Value("MAIN", "TOP"), "5");
    EXPECT_EQ(reread.Value("MAIN", "FONTNAME"), "\xef\xbc\xad\xef\xbc\xb3 \xe3\x82\xb4");
}

// A value that reading would change goes between quotes; any other is written bare as before.
TEST(IniDocumentEdit, EveryValueReadsBackAsSet)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/tmp/a.gif ", "\"/tmp/a.gif \""}, {"/tmp/a.gif\t", "\"/tmp/a.gif\t\""}, {" a", "\" a\""},
        {"\"q\"", "\"\"q\"\""},           {"'s'", "\"'s'\""},                   {"\"", "\""},
        {"", ""},                           {"a \"b\" c", "a \"b\" c"},         {"x=y ;z", "x=y ;z"},
    };
    for (const auto &[value, written] : cases) {
        IniDocument ini("[RECENT]\r\n");
        ini.SetValue("RECENT", "FILE1", value);
        EXPECT_EQ(ini.Text(), "[RECENT]\r\nFILE1=" + written + "\r\n") << value;
        EXPECT_EQ(IniDocument(ini.Text()).Value("RECENT", "FILE1"), value) << value;
    }
}

} // namespace
} // namespace vemo
