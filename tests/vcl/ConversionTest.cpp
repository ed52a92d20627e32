#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "vcl/System.h"

namespace {

struct Accepted {
    std::string text;
    int value;
};

class StrToIntAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(StrToIntAccepts, GivesTheValue) {
    EXPECT_EQ(vcl::StrToInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Decimal, StrToIntAccepts,
                         ::testing::Values(Accepted{"12", 12}, Accepted{"0", 0}, Accepted{"-5", -5},
                                           Accepted{"+5", 5}, Accepted{"007", 7},
                                           Accepted{"  42", 42}, Accepted{"\t3", 3},
                                           Accepted{"2147483647", INT_MAX},
                                           Accepted{"-2147483648", INT_MIN}));

class StrToIntRejects : public ::testing::TestWithParam<std::string> {};

TEST_P(StrToIntRejects, RaisesTheConversionErrorNamingTheText) {
    const std::string text = GetParam();
    try {
        vcl::StrToInt(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const vcl::EConvertError& e) {
        EXPECT_EQ(e.Message(), "'" + text + "' は整数ではありません");
    }
}

INSTANTIATE_TEST_SUITE_P(NotAnInteger, StrToIntRejects,
                         ::testing::Values("", " ", "abc", "12a", "1 ", "1.5", "+", "-", "- 1",
                                           "2147483648", "-2147483649", "99999999999999999999",
                                           "0x10", "$10", "１２", "1,000"));

TEST(StrToInt, ErrorIsAnExceptionOfTheLibraryWithItsOwnText) {
    try {
        vcl::StrToInt("h3");
        FAIL();
    } catch (const vcl::Exception& e) {
        EXPECT_EQ(e.Message(), "'h3' は整数ではありません");
    }
}

TEST(IntToStr, PlainDecimal) {
    EXPECT_EQ(vcl::IntToStr(0), "0");
    EXPECT_EQ(vcl::IntToStr(-5), "-5");
    EXPECT_EQ(vcl::IntToStr(1000), "1000");
    EXPECT_EQ(vcl::IntToStr(INT_MAX), "2147483647");
    EXPECT_EQ(vcl::IntToStr(INT_MIN), "-2147483648");
}

}  // namespace
