#include "output/format_fixed.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "output/fixed_units.h"

namespace velmora {

namespace {

constexpr double kExponentFormFrom = 0x1p120;
constexpr int kSignificantDigits = 18;

// The rounded expansion of a magnitude: `digits` with the decimal point after
// the first `pointAt` of them (pointAt may exceed the count: zeros follow).
struct TDecimal {
  char digits[40];
  int count = 0;
  int pointAt = 0;
};

// Step 2: the expansion, rounded half-to-even at the 17th decimal below 10
// and at the 18th significant digit from 10 on (std::to_chars rounds the exact
// binary value).
TDecimal Expand(double m) {
  TDecimal e;
  char text[64];
  if (m < 10) {
    const char* end = std::to_chars(text, text + sizeof text, m, std::chars_format::fixed, 17).ptr;
    for (const char* p = text; p != end; ++p)
      if (*p != '.') e.digits[e.count++] = *p;
    e.pointAt = e.count - 17;
    return e;
  }
  const char* end = std::to_chars(text, text + sizeof text, m, std::chars_format::scientific,
                                  kSignificantDigits - 1)
                        .ptr;
  const char* mark = std::find(static_cast<const char*>(text), end, 'e');
  for (const char* p = text; p != mark; ++p)
    if (*p != '.') e.digits[e.count++] = *p;
  int exponent = 0;
  std::from_chars(mark + (mark[1] == '+' ? 2 : 1), end, exponent);
  e.pointAt = exponent + 1;
  return e;
}

char DigitAt(const TDecimal& e, int index) { return index < e.count ? e.digits[index] : '0'; }

// Step 3 applied to the first `keep` digits: adds one at the last kept digit
// when the first dropped one is 5 or more. Returns true on a carry out of the
// first digit (the kept digits are then all zeros).
bool RoundAt(char* kept, int keep, char firstDropped) {
  if (firstDropped < '5') return false;
  for (int i = keep - 1; i >= 0; --i) {
    if (kept[i] != '9') {
      ++kept[i];
      return false;
    }
    kept[i] = '0';
  }
  return true;
}

std::size_t PadLeft(char* out, std::size_t length, int width) {
  const auto w = static_cast<std::size_t>(width);
  if (length >= w) return length;
  std::memmove(out + (w - length), out, length);
  std::memset(out, ' ', w - length);
  return w;
}

std::size_t FormatExponent(double m, bool negative, int width, char* out) {
  const int n = std::clamp(width - 8, 2, kSignificantDigits);
  TDecimal e = Expand(m);
  int exponent = e.pointAt - 1;
  if (RoundAt(e.digits, n, DigitAt(e, n))) {
    e.digits[0] = '1';
    ++exponent;
  }
  std::size_t len = 0;
  out[len++] = negative ? '-' : ' ';
  out[len++] = e.digits[0];
  out[len++] = '.';
  for (int i = 1; i < n; ++i) out[len++] = e.digits[i];
  out[len++] = 'E';
  out[len++] = exponent < 0 ? '-' : '+';
  const int magnitude = std::abs(exponent);
  for (int divisor = 1000; divisor > 0; divisor /= 10)
    out[len++] = static_cast<char>('0' + magnitude / divisor % 10);
  return width > n + 8 ? PadLeft(out, len, width) : len;
}

// "00".."99": two digits per table look-up.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The number of decimal digits of v (1 for 0).
int DigitCount(std::uint64_t v) {
  v |= 1;
  // ⌊log10 v⌋ is ⌊log2 v⌋ · log10 2 (about 1233 / 4096), or one more.
  const int guess = (static_cast<int>(std::bit_width(v)) * 1233) >> 12;
  return guess + (v >= kPowersOfTen[static_cast<std::size_t>(guess)] ? 1 : 0);
}

// Writes the two last decimal digits of v ending at `end`; returns v / 100.
std::uint64_t WritePair(std::uint64_t v, char*& end) {
  end -= 2;
  std::memcpy(end, kDigitPairs + 2 * (v % 100), 2);
  return v / 100;
}

// Steps 4 and 5 for the units N of the kernel: N / 10^d with d decimals,
// written from the right: decimals, point, integer digits, sign, blanks.
std::size_t ComposeUnits(std::uint64_t units, bool negative, int width, int decimals, char* out) {
  const int digits = std::max(DigitCount(units), decimals + 1);  // a 0 before the point
  const int text = (negative ? 1 : 0) + digits + (decimals > 0 ? 1 : 0);
  const int length = std::max(text, width);
  char* p = out + length;
  int fraction = decimals;
  for (; fraction >= 2; fraction -= 2) units = WritePair(units, p);
  if (fraction == 1) {
    *--p = static_cast<char>('0' + units % 10);
    units /= 10;
  }
  if (decimals > 0) *--p = '.';
  while (units >= 100) units = WritePair(units, p);
  if (units >= 10) {
    WritePair(units, p);
  } else {
    *--p = static_cast<char>('0' + units);
  }
  if (negative) *--p = '-';
  while (p != out) *--p = ' ';
  return static_cast<std::size_t>(length);
}

std::size_t FormatNonFinite(double value, int width, char* out) {
  const std::string_view text = std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF";
  std::memcpy(out, text.data(), text.size());
  return PadLeft(out, text.size(), width);
}

}  // namespace

std::size_t FormatFixed(double value, int width, int decimals, char* out) {
  if (!std::isfinite(value)) return FormatNonFinite(value, width, out);
  const bool negative = value < 0;
  const double m = std::fabs(value);
  if (m >= kExponentFormFrom) return FormatExponent(m, negative, width, out);
  if (const std::optional<std::uint64_t> units = FixedUnits(m, decimals))
    return ComposeUnits(*units, negative, width, decimals, out);

  // Outside the kernel's domain, steps 2 and 3 on the expansion: the integer
  // digits and `decimals` decimals, rounded.
  const TDecimal e = Expand(m);
  // The expansion of a magnitude below 10 starts with its units digit (0
  // below 1), and larger ones have no leading zero.
  const int integerDigits = e.pointAt;
  const int keep = integerDigits + decimals;
  char kept[80];
  for (int i = 0; i < keep; ++i) kept[i] = DigitAt(e, i);
  const bool carry = RoundAt(kept, keep, DigitAt(e, keep));

  // Step 4: composition.
  std::size_t len = 0;
  if (negative) out[len++] = '-';
  if (carry) out[len++] = '1';
  for (int i = 0; i < integerDigits; ++i) out[len++] = kept[i];
  if (decimals > 0) {
    out[len++] = '.';
    for (int i = integerDigits; i < keep; ++i) out[len++] = kept[i];
  }
  // Step 5: width.
  return PadLeft(out, len, width);
}

std::string FormatFixed(double value, int width, int decimals) {
  char buffer[kMaxFixedChars];
  return std::string(buffer, FormatFixed(value, width, decimals, buffer));
}

}  // namespace velmora
