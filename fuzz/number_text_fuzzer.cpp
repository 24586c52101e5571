// The numeric text rule on arbitrary bytes, against a plain reading of the
// rule and the C library's strtod in the "C" locale:
//   - errorPos is the position the plain reading finds (0: accepted);
//   - an accepted text has the value strtod gives it (0 when the mantissa has
//     no digit), held; a rejected one the value of the mantissa digits read
//     before errorPos, no point, sign or exponent applied, held;
//   - holding: below 2^-128 is +0, from 2^127 on throws the overflow failure.
// And the single-digit rule on the same bytes.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "check.h"
#include "run/messages.h"
#include "run/number_text.h"
#include "run/run_failure.h"

namespace velmora::fuzz {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The plain reading: the 1-based position where the text stops fitting, 0
// when it fits; `mantissaDigits` gets the digits read before that position.
int ErrorPos(std::string_view t, std::string& mantissaDigits, bool& anyDigit) {
  const auto end = [&](std::size_t i) { return static_cast<int>(i) + 1; };
  std::size_t i = 0;
  while (i < t.size() && t[i] == ' ') ++i;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  if (i == t.size()) return end(t.size());
  for (; i < t.size() && IsDigit(t[i]); ++i) mantissaDigits += t[i];
  if (i < t.size() && t[i] == '.')
    for (++i; i < t.size() && IsDigit(t[i]); ++i) mantissaDigits += t[i];
  anyDigit = !mantissaDigits.empty();
  if (i == t.size()) return 0;
  if (t[i] != 'E' && t[i] != 'e') return end(i);
  ++i;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  if (i == t.size()) return end(t.size());
  if (!IsDigit(t[i])) return end(i);
  while (i < t.size() && IsDigit(t[i])) ++i;
  return i == t.size() ? 0 : end(i);
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void CheckNumberText(std::string_view text) {
  std::string digits;
  bool anyDigit = false;
  const int errorPos = ErrorPos(text, digits, anyDigit);
  double raw = 0;
  if (errorPos == 0 && anyDigit) {
    const std::string copy(text);
    char* stop = nullptr;
    raw = std::strtod(copy.c_str(), &stop);
    FUZZ_CHECK(*stop == '\0');
  } else if (errorPos != 0 && !digits.empty()) {
    raw = std::strtod(digits.c_str(), nullptr);
  }
  const double magnitude = std::fabs(raw);
  try {
    const TParsedNumber parsed = ParseNumberText(text);
    FUZZ_CHECK(magnitude < 0x1p127);
    FUZZ_CHECK(parsed.errorPos == errorPos);
    FUZZ_CHECK(SameBits(parsed.value, magnitude < 0x1p-128 ? 0.0 : raw));
  } catch (const ERunFailure& failure) {
    FUZZ_CHECK(magnitude >= 0x1p127);
    FUZZ_CHECK(failure.code() == 0);
    FUZZ_CHECK(failure.message() == messages::kFloatOverflow);
  }
}

void CheckDigitText(std::string_view text) {
  const TParsedDigit digit = ParseDigitText(text);
  if (text.size() == 1 && IsDigit(text[0])) {
    FUZZ_CHECK(digit.errorPos == 0 && digit.value == text[0] - '0');
  } else {
    FUZZ_CHECK(digit.errorPos != 0 && digit.value == 0);
  }
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  velmora::fuzz::CheckNumberText(text);
  velmora::fuzz::CheckDigitText(text);
  velmora::fuzz::CheckDigitText(text.substr(0, 1));
  return 0;
}
