#include <gtest/gtest.h>

#include "core/IntConv.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vemo {
namespace {

struct ConvCase {
    std::string text;
    std::optional<std::int32_t> expected; // nothing: the text must not convert
};

class StrictConversion : public ::testing::TestWithParam<ConvCase> {};

TEST_P(StrictConversion, ConvertsOrRefuses)
{
    const ConvCase &c = GetParam();
    EXPECT_EQ(TryParseInt32(c.text), c.expected) << "text: '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, StrictConversion,
    ::testing::Values(ConvCase{"0", 0}, ConvCase{"42", 42}, ConvCase{"+42", 42}, ConvCase{"-42", -42},
                      ConvCase{"   7", 7}, ConvCase{"  -7", -7}, ConvCase{"0000000000000000012", 12},
                      ConvCase{"2147483647", 2147483647}, ConvCase{"2147483648", std::nullopt},
                      ConvCase{"-2147483648", INT32_MIN}, ConvCase{"-2147483649", std::nullopt},
                      ConvCase{"99999999999999999999", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, StrictConversion,
    ::testing::Values(ConvCase{"$1F", 31}, ConvCase{"$1f", 31}, ConvCase{"$10", 16}, ConvCase{"-$10", -16},
                      ConvCase{"+$a", 10}, ConvCase{" $FF", 255}, ConvCase{"$7FFFFFFF", 2147483647},
                      ConvCase{"$80000000", std::nullopt}, ConvCase{"-$80000000", INT32_MIN},
                      ConvCase{"$FFFFFFFF", std::nullopt}, ConvCase{"$G", std::nullopt},
                      ConvCase{"1F", std::nullopt}, ConvCase{"0x1F", std::nullopt}, ConvCase{"$-1", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Refused, StrictConversion,
    ::testing::Values(ConvCase{"", std::nullopt}, ConvCase{"   ", std::nullopt}, ConvCase{"+", std::nullopt},
                      ConvCase{"-", std::nullopt}, ConvCase{"$", std::nullopt}, ConvCase{"-$", std::nullopt},
                      ConvCase{"12 ", std::nullopt}, ConvCase{"1 2", std::nullopt}, ConvCase{"- 1", std::nullopt},
                      ConvCase{"+-1", std::nullopt}, ConvCase{"\t1", std::nullopt}, ConvCase{"1.0", std::nullopt},
                      ConvCase{"12a", std::nullopt}, ConvCase{"\xef\xbc\x91", std::nullopt}, // full-width 1, UTF-8
                      ConvCase{"\x82\x50", std::nullopt})); // full-width 1, Shift-JIS

TEST(StrictConversion, FailureRaisesErrorNamingTheText)
{
    EXPECT_EQ(ParseInt32(" -$1F"), -31);
    try {
        ParseInt32("12 ");
        FAIL() << "a trailing space must not convert";
    } catch (const ConvertError &error) {
        EXPECT_EQ(error.Text(), "12 ");
        EXPECT_STREQ(error.what(), "'12 ' は整数ではありません");
    }
    EXPECT_THROW(ParseInt32(""), ConvertError);
}

} // namespace
} // namespace vemo
