#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace talvora {
namespace {

struct LeadingCase {
  std::string text;
  double expected;
  friend std::ostream& operator<<(std::ostream& out, const LeadingCase& c) {
    return out << '"' << c.text << '"';
  }
};

class LeadingNumberTest : public testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, ReadsTheNumberAtTheStart) {
  EXPECT_DOUBLE_EQ(LeadingNumber(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    testing::Values(LeadingCase{"", 0}, LeadingCase{"abc", 0}, LeadingCase{"12", 12},
                    LeadingCase{"12abc", 12}, LeadingCase{"  42", 42}, LeadingCase{"1 2 3", 123},
                    LeadingCase{"\t1\n5", 15}, LeadingCase{"- 7", -7}, LeadingCase{"+8", 8},
                    LeadingCase{"2.5", 2.5}, LeadingCase{"2.5.7", 2.5}, LeadingCase{"3.", 3},
                    LeadingCase{".5", 0.5}, LeadingCase{"1e3", 1000}, LeadingCase{"1E+2", 100},
                    LeadingCase{"1d2", 100}, LeadingCase{"1D-1", 0.1}, LeadingCase{"1e", 1},
                    LeadingCase{"1e+", 1}, LeadingCase{"1ex", 1}, LeadingCase{"&H1F", 31},
                    LeadingCase{"&hff", 255}, LeadingCase{"&O17", 15}, LeadingCase{"&o8", 0},
                    LeadingCase{"&H", 0}, LeadingCase{"& H 10", 16}, LeadingCase{"1,5", 1},
                    LeadingCase{"99999999999", 99999999999.0}, LeadingCase{"1e-999", 0}));

TEST(LeadingNumber, OverflowingExponentsGiveInfinityOfTheRightSign) {
  EXPECT_EQ(LeadingNumber("1e999"), HUGE_VAL);
  EXPECT_EQ(LeadingNumber("-1d999"), -HUGE_VAL);
  EXPECT_EQ(LeadingNumber(std::string(400, '9')), HUGE_VAL);
  EXPECT_EQ(LeadingNumber(std::string(400, '9') + "e-3"), HUGE_VAL);
  EXPECT_EQ(LeadingNumber("0.000" + std::string(400, '0') + "1"), 0.0);
}

TEST(LeadingNumber, HugeHexadecimalDoesNotWrap) {
  EXPECT_GT(LeadingNumber("&H" + std::string(40, 'F')), 1e40);
}

struct NumberTextCase {
  std::string text;
  bool isNumber;
  friend std::ostream& operator<<(std::ostream& out, const NumberTextCase& c) {
    return out << '"' << c.text << '"';
  }
};

class IsNumberTextTest : public testing::TestWithParam<NumberTextCase> {};

TEST_P(IsNumberTextTest, AcceptsOnlyOneWholeDecimalNumber) {
  EXPECT_EQ(IsNumberText(GetParam().text), GetParam().isNumber) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IsNumberTextTest,
    testing::Values(
        NumberTextCase{"1234", true}, NumberTextCase{" 1234", true}, NumberTextCase{"1234 ", true},
        NumberTextCase{"\t12\n", true}, NumberTextCase{"-3", true}, NumberTextCase{"+3", true},
        NumberTextCase{"2.5", true}, NumberTextCase{".5", true}, NumberTextCase{"5.", true},
        NumberTextCase{"1e5", true}, NumberTextCase{"1E-5", true}, NumberTextCase{"1d2", true},
        NumberTextCase{"", false}, NumberTextCase{"  ", false}, NumberTextCase{".", false},
        NumberTextCase{"-", false}, NumberTextCase{"1.2.3", false}, NumberTextCase{"12a", false},
        NumberTextCase{"1 2", false}, NumberTextCase{"- 3", false}, NumberTextCase{"1e", false},
        NumberTextCase{"1e+", false}, NumberTextCase{"&H10", false},
        NumberTextCase{"/p 1234", false}, NumberTextCase{":5678", false}));

}  // namespace
}  // namespace talvora
