// The exact kernel of the fixed-point field (output/format_fixed.h): the
// field's digits as one whole number N, the field showing N / 10^d, found by
// integer arithmetic on the double's binary form. Pure: no locale, no I/O, no
// state, no floating-point rounding anywhere.
//
// Domain. m > 0 with m = M · 2^−s, M < 2^53 the significand of a normal
// double and 1 ≤ s ≤ 64 (so 2^−12 ≤ m < 2^52); 0 ≤ d ≤ 19; with
//   P = 17 when m < 10, P = 17 − E when 10^E ≤ m < 10^(E+1), E ≥ 1,
// the count of decimals that the field's first rounding keeps, k = P − d ≥ 1;
// and ⌊m · 10^d⌋ < 2^64 − 1. Zero is in the domain too (N = 0). Outside it
// FixedUnits returns nothing and the caller takes the general path.
//
// Result. Write m · 10^d = I + f with I whole and 0 ≤ f < 1. The first
// rounding (half-to-even at P decimals) turns m · 10^P = (I + f) · 10^k into
// I · 10^k + r with r = round-half-even(f · 10^k), 0 ≤ r ≤ 10^k. The second
// looks only at the first dropped digit, which is 5 or more exactly when
// r ≥ 5 · 10^(k−1); N is I + 1 then, and I otherwise (r = 10^k is the carry
// into I, also I + 1). Since f is a dyadic fraction and the tie
// (10^k − 1) / (2 · 10^k) is not one, r ≥ 5 · 10^(k−1) ⟺ f > 1/2 − 10^−k / 2.
// With s ≤ 64, F = f · 2^64 is an exact 64-bit integer, and 2^63 / 10^k is
// never an integer, so
//   N = I + [F ≥ 2^63 − ⌊2^63 / 10^k⌋].
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace velmora {

// 10^0 .. 10^19, every power of ten below 2^64.
inline constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
  std::array<std::uint64_t, 20> p{};
  p[0] = 1;
  for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
  return p;
}();

// N for the magnitude `m` and `decimals` d, or nothing outside the domain.
std::optional<std::uint64_t> FixedUnits(double m, int decimals);

}  // namespace velmora
