// The numeric text rule's short way for five-byte whole numbers (blanks, a
// sign, digits: a grid field) against its general reading: appending the
// exponent "e0" changes no accepted value but sends the text down the general
// path, so every text the rule accepts must read the same both ways (and
// hold a mantissa: the rule refuses a text of blanks and a sign, which "e0"
// would make whole). Over every text of up to five bytes from the bytes that
// matter, and every byte value in every position of typical fields.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "run/number_text.h"

namespace velmora {
namespace {

::testing::AssertionResult ReadsAsGeneralPath(const std::string& text) {
  // A text with an exponent of its own, and a refused one, take the general path.
  if (text.find_first_of("eE") != std::string::npos) return ::testing::AssertionSuccess();
  const TParsedNumber direct = ParseNumberText(text);
  if (direct.errorPos != 0) return ::testing::AssertionSuccess();
  // "e0" would make a text of blanks and a sign acceptable; the rule refuses it.
  if (text.find_first_of("0123456789.") == std::string::npos)
    return ::testing::AssertionFailure() << "\"" << text << "\" accepted without a mantissa";
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

// Every byte value at every position of typical fields: the five-byte short
// way classifies each byte, high bytes and control bytes included.
TEST(NumberTextDifferential, EveryByteInEveryPositionOfAField) {
  for (const std::string field : {"  123", " -999", "-9999", "99999", "    0", "+   1"}) {
    for (std::size_t position = 0; position < field.size(); ++position) {
      for (int byte = 0; byte < 256; ++byte) {
        std::string text = field;
        text[position] = static_cast<char>(byte);
        ASSERT_TRUE(ReadsAsGeneralPath(text)) << "byte " << byte << " at " << position;
      }
    }
  }
}

}  // namespace
}  // namespace velmora
