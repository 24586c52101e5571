// The fixed-point field: a number in fixed notation with exactly `decimals`
// decimals, padded on the left with blanks to at least `width` characters,
// never cut. Pure: no locale, no I/O, no state.
//
// For a finite value v with magnitude m:
//   1. sign: "-" when v < 0 (a negative zero has none);
//   2. digits: m's exact decimal expansion rounded half-to-even at the 17th
//      decimal when m < 10, at the 18th significant digit when m >= 10;
//   3. to `decimals` decimals by looking at the first dropped digit only: 5..9
//      round away from zero, 0..4 cut;
//   4. integer digits, then "." and the decimals when decimals > 0;
//   5. blanks on the left up to `width`.
// A magnitude of 2^120 or more is written in exponent form instead: n =
// clamp(width − 8, 2, 18) significant digits, "d.ddd" then "E", the sign and
// four exponent digits, behind "-" or a blank, padded to `width` only when
// width > n + 8. Non-finite values, which a run never produces, give "NAN",
// "INF" or "-INF", padded.
//
// The fields of the output files (up to 19 decimals, magnitudes from 2^−12 to
// 2^52) are worked out by the exact integer kernel of output/fixed_units.h in
// a few nanoseconds; other values by a decimal expansion from std::to_chars.
#pragma once

#include <cstddef>
#include <string>

namespace velmora {

inline constexpr int kMaxFieldWidth = 64;
inline constexpr int kMaxFieldDecimals = 30;

// Worst case of a field: below 2^120 a magnitude has at most 37 integer
// digits, 38 after a carry; with a sign, the point and kMaxFieldDecimals
// decimals that is 70 characters. The exponent form needs at most 26, and the
// padding at most kMaxFieldWidth.
inline constexpr std::size_t kMaxFixedChars = 1 + 38 + 1 + kMaxFieldDecimals;

// Writes the field into `out` (room for kMaxFixedChars) and returns its
// length. Requires 0 <= width <= kMaxFieldWidth, 0 <= decimals <= kMaxFieldDecimals.
std::size_t FormatFixed(double value, int width, int decimals, char* out);

std::string FormatFixed(double value, int width, int decimals);

}  // namespace velmora
