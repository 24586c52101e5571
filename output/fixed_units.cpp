#include "output/fixed_units.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace velmora {

namespace {

__extension__ using TUint128 = unsigned __int128;

constexpr int kFirstRoundingDecimals = 17;  // P below 10
constexpr int kMaxDecimals = static_cast<int>(kPowersOfTen.size()) - 1;
constexpr int kSignificandBits = 52;
constexpr int kExponentBias = 1075;  // m = M · 2^(biased − 1075)

// 2^63 − ⌊2^63 / 10^k⌋: the least F that rounds up when the first rounding
// keeps k more decimals than the field (k = 1 .. 17; entry 0 is unused).
constexpr std::array<std::uint64_t, kFirstRoundingDecimals + 1> kRoundUpFrom = [] {
  std::array<std::uint64_t, kFirstRoundingDecimals + 1> t{};
  constexpr std::uint64_t half = std::uint64_t{1} << 63;
  for (std::size_t k = 1; k < t.size(); ++k) t[k] = half - half / kPowersOfTen[k];
  return t;
}();

// 10^0 .. 10^16 as doubles, all exact.
constexpr std::array<double, 17> kDecimalPowers = [] {
  std::array<double, 17> p{};
  for (std::size_t i = 0; i < p.size(); ++i) p[i] = static_cast<double>(kPowersOfTen[i]);
  return p;
}();

// P, the decimals kept by the first rounding, for m < 2^52 with binary
// exponent b = ⌊log2 m⌋: E = ⌊log10 m⌋ is ⌊b · log10 2⌋ or one more, and
// ⌊b · 1233 / 4096⌋ = ⌊b · log10 2⌋ for 0 ≤ b ≤ 64. Below 10, E counts as 0.
int FirstRoundingDecimals(double m, int b) {
  const int guess = (std::max(b, 0) * 1233) >> 12;
  const int e = guess + (m >= kDecimalPowers[static_cast<std::size_t>(guess) + 1] ? 1 : 0);
  return kFirstRoundingDecimals - e;
}

}  // namespace

std::optional<std::uint64_t> FixedUnits(double m, int decimals) {
  if (m == 0) return 0;
  if (decimals < 0 || decimals > kMaxDecimals) return std::nullopt;

  // Decode: m = M · 2^−s.
  const auto bits = std::bit_cast<std::uint64_t>(m);
  const auto biased = static_cast<int>(bits >> kSignificandBits);
  const int s = kExponentBias - biased;
  if (biased == 0 || s < 1 || s > 64) return std::nullopt;  // subnormal, too small or too large
  const std::uint64_t significand = (bits & ((std::uint64_t{1} << kSignificandBits) - 1)) |
                                    (std::uint64_t{1} << kSignificandBits);

  const int k = FirstRoundingDecimals(m, biased - 1023) - decimals;
  if (k < 1) return std::nullopt;

  // m · 10^d = (M · 10^d) / 2^s, exact in 128 bits (< 2^53 · 2^64).
  const TUint128 scaled = TUint128{significand} * kPowersOfTen[static_cast<std::size_t>(decimals)];
  const TUint128 whole = scaled >> s;
  if (whole >= std::numeric_limits<std::uint64_t>::max()) return std::nullopt;
  // The low s bits of `scaled` are f; shifted to the top they are F = f · 2^64.
  const std::uint64_t fraction = static_cast<std::uint64_t>(scaled) << (64 - s);
  return static_cast<std::uint64_t>(whole) +
         (fraction >= kRoundUpFrom[static_cast<std::size_t>(k)] ? 1 : 0);
}

}  // namespace velmora
