// The numeric text rule's short way for whole numbers (blanks, a sign,
// digits) against its general reading: appending the exponent "e0" changes
// no accepted value but sends the text down the general path, so every text
// the rule accepts must read the same both ways. Over every text of up to
// five bytes (a grid field) from the bytes that matter, and whole numbers
// around the short way's 15-digit limit.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "run/number_text.h"

namespace velmora {
namespace {

::testing::AssertionResult ReadsAsGeneralPath(const std::string& text) {
  const TParsedNumber direct = ParseNumberText(text);
  if (direct.errorPos != 0) return ::testing::AssertionSuccess();  // the general path itself
  const TParsedNumber general = ParseNumberText(text + "e0");
  if (general.errorPos == 0 &&
      std::bit_cast<std::uint64_t>(general.value) == std::bit_cast<std::uint64_t>(direct.value))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "\"" << text << "\" gives " << direct.value << ", with e0 " << general.value
         << " (errorPos " << general.errorPos << ")";
}

// Every text of 0 to 5 bytes over blank, signs, digits, point and a letter.
TEST(NumberTextDifferential, EveryShortTextReadsAsTheGeneralRule) {
  const std::string alphabet = " +-0159.x";
  std::vector<std::string> texts = {""};
  for (std::size_t begin = 0, length = 1; length <= 5; ++length) {
    const std::size_t end = texts.size();
    for (std::size_t i = begin; i < end; ++i)
      for (char c : alphabet) texts.push_back(texts[i] + c);
    begin = end;
  }
  ASSERT_EQ(texts.size(), 66430u);  // 1 + 9 + 81 + 729 + 6561 + 59049
  for (const std::string& text : texts) ASSERT_TRUE(ReadsAsGeneralPath(text));
}

// Whole numbers of 14 to 17 digits, with blanks and signs: the short way
// stops at 15 digits, the general path takes the rest.
TEST(NumberTextDifferential, WholeNumbersAroundFifteenDigits) {
  for (const std::string digits : {"99999999999999", "999999999999999", "9999999999999999",
                                   "12345678901234567", "000000000000000001", "100000000000000"})
    for (const std::string prefix : {"", " ", "   -", "+", "-"})
      ASSERT_TRUE(ReadsAsGeneralPath(prefix + digits));
}

}  // namespace
}  // namespace velmora
