// The numeric text rule, the single-digit rule and the range limits under
// which every parsed number is held. Pure: no locale, no I/O, no state.
#pragma once

#include <string_view>

namespace velmora {

struct TParsedNumber {
  double value = 0;  // the held value (see below), also for a rejected text
  int errorPos = 0;  // 0: accepted; else 1-based position where the text stopped fitting
};

// Numeric text rule: leading blanks (byte 32 only), an optional sign, digits
// with an optional point and more digits, an optional exponent ("E"/"e",
// optional sign, one or more digits), then the end of the text.
//
// An accepted text gives its value, held as below. A rejected text gives the
// whole number formed by the mantissa digits read before the rejected byte,
// with no point, sign or exponent applied, held as below; errorPos is the
// position of the first byte that does not fit, or length + 1 when the text
// ends too early (nothing after the blanks and sign; nothing or only a sign
// after "E"/"e").
//
// Holding: a magnitude below 2^-128 becomes +0; a magnitude of 2^127 or more
// throws the floating-point overflow ERunFailure. Between the limits the value
// is the double nearest to the decimal value of the text.
TParsedNumber ParseNumberText(std::string_view text);

struct TParsedDigit {
  int value = 0;     // 0..9; 0 for a text that is not accepted
  int errorPos = 0;  // 0: accepted; 1 otherwise
};

// Single-digit rule: a text of exactly one byte "0".."9" gives that digit;
// every other text, the empty one included, gives 0 and is not accepted.
TParsedDigit ParseDigitText(std::string_view text);

// Holds `value` under the range limits above (may throw the overflow failure).
double HoldNumber(double value);

}  // namespace velmora
