#include "support/fixed_reference.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace velmora::test {

namespace {

// A non-negative big integer as decimal digits, most significant first.
using Digits = std::string;

Digits MultiplySmall(const Digits& n, int factor) {
  Digits out(n.size() + 3, '0');
  int carry = 0;
  std::size_t k = out.size();
  for (std::size_t i = n.size(); i-- > 0;) {
    const int v = (n[i] - '0') * factor + carry;
    out[--k] = static_cast<char>('0' + v % 10);
    carry = v / 10;
  }
  while (carry > 0) {
    out[--k] = static_cast<char>('0' + carry % 10);
    carry /= 10;
  }
  out.erase(0, std::min(out.find_first_not_of('0'), out.size() - 1));
  return out;
}

// Adds one unit at the last digit of `digits`; true on a carry out of the
// first one (the digits are then all zeros).
bool Increment(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  return true;
}

// The digit string `all` (no point) rounded half-to-even to its first `keep`
// digits; a carry out of the first digit prepends "1".
std::string RoundHalfEven(const std::string& all, std::size_t keep) {
  std::string kept = all.substr(0, keep);
  kept.resize(keep, '0');
  if (keep >= all.size()) return kept;
  const std::string rest = all.substr(keep);
  const bool above = rest[0] > '5' ||
                     (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string::npos);
  const bool tie = rest[0] == '5' && !above;
  const bool odd = !kept.empty() && (kept.back() - '0') % 2 == 1;
  if (above || (tie && odd))
    if (Increment(kept)) kept.insert(kept.begin(), '1');
  return kept;
}

}  // namespace

std::string ExactDecimal(double value) {
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(value), &exponent);
  auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  exponent -= 53;  // |value| = mantissa × 2^exponent
  Digits n = std::to_string(mantissa);
  std::size_t decimals = 0;
  for (; exponent > 0; --exponent) n = MultiplySmall(n, 2);
  for (; exponent < 0; ++exponent, ++decimals) n = MultiplySmall(n, 5);  // m = n / 10^decimals
  if (n.size() <= decimals) n.insert(0, decimals + 1 - n.size(), '0');
  std::string text = n.substr(0, n.size() - decimals) + "." + n.substr(n.size() - decimals);
  // Trailing zeros of the fraction say nothing; drop them.
  while (text.back() == '0' && text.find('.') < text.size() - 1) text.pop_back();
  return text;
}

std::string ReferenceFixed(double value, int width, int decimals) {
  const bool negative = value < 0;
  const std::string exact = ExactDecimal(value);
  const std::size_t point = exact.find('.');
  std::string integer = exact.substr(0, point);
  const std::string fraction = exact.substr(point + 1);
  const std::string all = integer + fraction;

  std::string rounded;  // integer digits + decimals after the first rounding
  std::size_t integerDigits = integer.size();
  if (integer.size() == 1) {  // magnitude below 10: at the 17th decimal
    rounded = RoundHalfEven(all, 1 + 17);
    integerDigits = rounded.size() - 17;
  } else {  // at the 18th significant digit; zeros after it
    rounded = RoundHalfEven(all, 18);
    integerDigits += rounded.size() - 18;
    rounded.resize(std::max(rounded.size(), integerDigits), '0');
  }
  // Second step: keep `decimals` decimals, looking at the first dropped digit.
  std::string kept = rounded.substr(0, integerDigits + static_cast<std::size_t>(decimals));
  kept.resize(integerDigits + static_cast<std::size_t>(decimals), '0');
  const std::size_t dropped = integerDigits + static_cast<std::size_t>(decimals);
  if (dropped < rounded.size() && rounded[dropped] >= '5')
    if (Increment(kept)) {
      kept.insert(kept.begin(), '1');
      ++integerDigits;
    }
  std::string text = negative ? "-" : "";
  text += kept.substr(0, integerDigits);
  if (decimals > 0) text += "." + kept.substr(integerDigits);
  if (text.size() < static_cast<std::size_t>(width))
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

}  // namespace velmora::test
