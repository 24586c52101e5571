// The numeric text rule, the single-digit rule and the range limits of held
// numbers.
#include "run/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/run_failure_check.h"

namespace velmora {
namespace {

struct NumberCase {
  std::string text;
  double value;
  int errorPos;
};

// Accepted texts, and the values and positions of rejected ones, which the
// disc fields rely on.
const NumberCase kNumberCases[] = {
    {"26.056649", 26.056649, 0},
    {"  123", 123, 0},
    {" -5", -5, 0},
    {"+7", 7, 0},
    {"5.", 5, 0},
    {".5", 0.5, 0},
    {".", 0, 0},
    {"-.", 0, 0},
    {"E5", 0, 0},
    {"1e-2", 0.01, 0},
    {"2.5E+1", 25, 0},
    {"-0", 0, 0},
    {"0001.2500", 1.25, 0},
    {"", 0, 1},
    {"   ", 0, 4},
    {"-", 0, 2},
    {"+", 0, 2},
    {"26.5 ", 265, 5},
    {"-12.5x", 125, 6},
    {"-999 ", 999, 5},
    {"12,5", 12, 3},
    {"1.2.3", 12, 4},
    {"1e", 1, 3},
    {"1e+", 1, 4},
    {"1e+x", 1, 4},
    {"1ex", 1, 3},
    {"1e5x", 1, 4},
    {"e", 0, 2},
    {"1 2 3", 1, 2},
    {"abc", 0, 1},
    {"\t5", 0, 1},
    {"5\t", 5, 2},
    {"+x", 0, 2},
    {"--5", 0, 2},
    {"\x82\x54", 0, 1},     // full-width digit 5
    {"12\x82\x54", 12, 3},  // 12 then a full-width 5
};

TEST(NumberTextRule, ValuesAndErrorPositions) {
  for (const auto& c : kNumberCases) {
    SCOPED_TRACE("text \"" + c.text + "\"");
    const TParsedNumber parsed = ParseNumberText(c.text);
    EXPECT_EQ(parsed.errorPos, c.errorPos);
    EXPECT_EQ(parsed.value, c.value);
    EXPECT_FALSE(std::signbit(parsed.value) && parsed.value == 0) << "negative zero";
  }
}

// The value is the double nearest to the decimal text, also where digits,
// exponent and point interact or there are more digits than a double holds.
TEST(NumberTextRule, NearestDouble) {
  const NumberCase cases[] = {
      {"0.1", 0.1, 0},
      {"127.619553", 127.619553, 0},
      {"123456789012345678901234567890", 123456789012345678901234567890.0, 0},
      {"0.000000000000000000000000000001", 1e-30, 0},
      {"9007199254740993", 9007199254740992.0, 0},  // tie to even
      {"9007199254740995", 9007199254740996.0, 0},
      {"1e22", 1e22, 0},
      {"1e23", 1e23, 0},
      {"2.2250738585072011e-38", 2.2250738585072011e-38, 0},
      {"12345678901234567890123x", 12345678901234567890123.0, 24},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("text \"" + c.text + "\"");
    const TParsedNumber parsed = ParseNumberText(c.text);
    EXPECT_EQ(parsed.errorPos, c.errorPos);
    EXPECT_EQ(parsed.value, c.value);
  }
}

// Magnitudes below 2^-128 are held as +0; from 2^127 on they cannot be held.
TEST(NumberTextRule, RangeLimits) {
  EXPECT_EQ(ParseNumberText("-1e-40").value, 0.0);
  EXPECT_FALSE(std::signbit(ParseNumberText("-1e-40").value));
  EXPECT_EQ(ParseNumberText("3e-39").value, 3e-39);  // just above 2^-128
  EXPECT_EQ(ParseNumberText("2.9e-39").value, 0.0);  // just below
  EXPECT_EQ(ParseNumberText("1e-99999999999999").value, 0.0);
  EXPECT_EQ(ParseNumberText("1e38").value, 1e38);
  EXPECT_EQ(ParseNumberText("-1.7014e38").value, -1.7014e38);

  for (const char* text : {"1e39", "-1e39", "1.7015e38", "170141183460469231731687303715884105728",
                           "9e99", "1e99999999999999", "1e2147483648"}) {
    SCOPED_TRACE(text);
    EXPECT_TRUE(test::ThrowsRunFailure([&] { ParseNumberText(text); }, 0,
                                       "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ"));
  }
  // A rejected text is held too: its digits alone can overflow.
  EXPECT_TRUE(test::ThrowsRunFailure(
      [] { ParseNumberText(std::string(40, '9') + "x"); }, 0, "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ"));
}

TEST(SingleDigitRule, OnlyOneDigitIsAccepted) {
  const struct {
    std::string text;
    int value;
    bool accepted;
  } cases[] = {{"7", 7, true},   {"0", 0, true},  {"9", 9, true},   {" ", 0, false},
               {"-", 0, false},  {"A", 0, false}, {"$", 0, false},  {"", 0, false},
               {"\x82", 0, false}, {"12", 0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE("text \"" + c.text + "\"");
    const TParsedDigit parsed = ParseDigitText(c.text);
    EXPECT_EQ(parsed.value, c.value);
    EXPECT_EQ(parsed.errorPos == 0, c.accepted);
  }
}

}  // namespace
}  // namespace velmora
