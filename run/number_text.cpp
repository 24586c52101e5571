#include "run/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "run/run_failure.h"
#include "run/short_whole_number.h"

namespace velmora {

namespace {

// 2^-128 and 2^127: the range limits of a held number.
constexpr double kSmallestHeld = 0x1p-128;
constexpr double kTooLargeToHold = 0x1p127;

// An exponent beyond this is saturated; it already puts any value far past
// both range limits.
constexpr std::int64_t kExponentCap = 1'000'000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The digits of a mantissa in their order, the point left out.
struct TMantissa {
  std::string_view text;       // the text being read
  std::size_t firstDigit = 0;  // where the mantissa starts in `text`
  std::size_t end = 0;         // one past the last mantissa byte read
  std::uint64_t small = 0;     // the digits as a number while they fit
  int digitCount = 0;          // digits gathered, leading zeros included
  int significant = 0;         // digits from the first non-zero one on
  std::int64_t fractionDigits = 0;
};

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The double nearest to digits × 10^exponent10, where `digits` are the
// mantissa's digits. Exact: one correctly rounded operation on exact
// operands, or a correctly rounding conversion of the decimal text.
double DecimalValue(const TMantissa& m, std::int64_t exponent10) {
  if (m.significant == 0) return 0.0;
  if (m.significant <= 15 && exponent10 >= -22 && exponent10 <= 22) {
    const auto digits = static_cast<double>(m.small);
    return exponent10 < 0 ? digits / kPowersOfTen[-exponent10] : digits * kPowersOfTen[exponent10];
  }
  // The value lies in [10^(e-1), 10^e) with e = significant + exponent10.
  const std::int64_t e = m.significant + exponent10;
  if (e > 40) return HUGE_VAL;  // far above 2^127
  if (e < -40) return 0.0;      // far below 2^-128
  std::string decimal;
  for (std::size_t i = m.firstDigit; i < m.end; ++i)
    if (IsDigit(m.text[i])) decimal += m.text[i];
  decimal += 'e';
  char exponentText[24];
  decimal.append(exponentText,
                 std::to_chars(exponentText, exponentText + sizeof exponentText, exponent10).ptr);
  double value = 0;
  std::from_chars(decimal.data(), decimal.data() + decimal.size(), value);
  return value;
}

void TakeDigit(TMantissa& m, char c) {
  ++m.digitCount;
  if (m.significant == 0 && c == '0') return;
  ++m.significant;
  if (m.significant <= 19) m.small = m.small * 10 + static_cast<std::uint64_t>(c - '0');
}

// Reads the mantissa from `pos`; returns the position after it.
std::size_t ReadMantissa(TMantissa& m, std::size_t pos) {
  const std::string_view t = m.text;
  m.firstDigit = pos;
  for (; pos < t.size() && IsDigit(t[pos]); ++pos) TakeDigit(m, t[pos]);
  if (pos < t.size() && t[pos] == '.') {
    for (++pos; pos < t.size() && IsDigit(t[pos]); ++pos) {
      TakeDigit(m, t[pos]);
      ++m.fractionDigits;
    }
  }
  m.end = pos;
  return pos;
}

// Reads an exponent that starts at `pos` with "E" or "e". Returns the
// 1-based error position, or 0 with `exponent` set when it fits.
int ReadExponent(std::string_view t, std::size_t pos, std::int64_t& exponent) {
  ++pos;
  bool negative = false;
  if (pos < t.size() && (t[pos] == '+' || t[pos] == '-')) negative = t[pos++] == '-';
  if (pos == t.size()) return static_cast<int>(t.size() + 1);
  if (!IsDigit(t[pos])) return static_cast<int>(pos + 1);
  std::int64_t value = 0;
  for (; pos < t.size() && IsDigit(t[pos]); ++pos)
    value = std::min(value * 10 + (t[pos] - '0'), kExponentCap);
  if (pos < t.size()) return static_cast<int>(pos + 1);
  exponent = negative ? -value : value;
  return 0;
}

TParsedNumber Rejected(const TMantissa& m, std::size_t errorIndex) {
  return {HoldNumber(DecimalValue(m, 0)), static_cast<int>(errorIndex + 1)};
}

}  // namespace

double HoldNumber(double value) {
  const double magnitude = std::fabs(value);
  if (magnitude >= kTooLargeToHold) throw OverflowFailure();
  if (magnitude < kSmallestHeld) return 0.0;
  return value;
}

TParsedNumber ParseNumberText(std::string_view text) {
  if (double whole = 0; text.size() == 5 && ShortWholeNumber(FiveBytes(text.data()), whole))
    return {whole, 0};
  TMantissa m;
  m.text = text;
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  if (pos == text.size()) return {0.0, static_cast<int>(text.size() + 1)};

  pos = ReadMantissa(m, pos);
  std::int64_t exponent = 0;
  if (pos < text.size()) {
    if (text[pos] != 'E' && text[pos] != 'e') return Rejected(m, pos);
    if (const int errorPos = ReadExponent(text, pos, exponent); errorPos != 0)
      return {HoldNumber(DecimalValue(m, 0)), errorPos};
  }
  const double magnitude = DecimalValue(m, exponent - m.fractionDigits);
  return {HoldNumber(negative ? -magnitude : magnitude), 0};
}

TParsedDigit ParseDigitText(std::string_view text) {
  if (text.size() == 1 && IsDigit(text[0])) return {text[0] - '0', 0};
  return {0, 1};
}

}  // namespace velmora
