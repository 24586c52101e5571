// The fixed-point field, fast path and general path alike, against plain
// references on every input a run can meet and around every rounding edge:
// every cell centre and region corner of every map sheet of Japan, every
// elevation k/10, the doubles around decimal midpoints, the edges of the
// exact kernel's domain and seeded random doubles; and the remembered fields
// of the line writer against FormatFixed itself.
//
// Two references: the big-integer expansion of support/fixed_reference.h,
// and, where millions of values are checked, one built on std::to_chars,
// which rounds the exact binary value half-to-even at a given precision.
// By default (CI) each sweep checks every value against the to_chars
// reference and a spread sample against the big-integer one. With
// VELMORA_FIXED_SWEEP=long (the fixed-sweep target) every value meets the
// big-integer reference, the midpoint ranges widen and the random count grows.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "output/field_texts.h"
#include "output/format_fixed.h"
#include "source/sheet_grid.h"
#include "source/sheet_index.h"
#include "support/fixed_reference.h"

namespace velmora {
namespace {

bool LongSweep() {
  const char* mode = std::getenv("VELMORA_FIXED_SWEEP");
  return mode != nullptr && std::string_view(mode) == "long";
}

// Decimals kept by the field's first rounding: 17 below 10, else 17 − E
// for 10^E ≤ m < 10^(E+1).
int FirstRoundingDecimals(double m) {
  int e = 0;
  double next = 10;  // exact powers of ten up to 10^22
  while (m >= next) {
    ++e;
    next *= 10;
  }
  return 17 - e;
}

// The field from std::to_chars for a magnitude below 10^17: to_chars gives
// the first rounding with its exact half-to-even, then the field keeps `d`
// decimals looking at the first dropped digit only.
std::string ToCharsFixed(double v, int width, int d) {
  const double m = std::fabs(v);
  const int p = FirstRoundingDecimals(m);
  char buffer[64];
  std::string text(
      buffer, std::to_chars(buffer, buffer + sizeof buffer, m, std::chars_format::fixed, p).ptr);
  const std::size_t point = text.find('.');
  if (point == std::string::npos) text += '.';
  text.resize(text.find('.') + 1 + static_cast<std::size_t>(std::max(p, d)), '0');
  const std::size_t cut = text.find('.') + 1 + static_cast<std::size_t>(d);
  const bool up = cut < text.size() && text[cut] >= '5';
  text.resize(d > 0 ? cut : cut - 1);
  for (std::size_t i = text.size(); up && i-- > 0;) {
    if (text[i] == '.') continue;
    if (text[i] != '9') {
      ++text[i];
      break;
    }
    text[i] = '0';
    if (i == 0) text.insert(text.begin(), '1');
  }
  if (v < 0) text.insert(text.begin(), '-');
  if (text.size() < static_cast<std::size_t>(width))
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

// Checks one value; every `bigEvery`-th call also meets the big-integer
// reference (every call in the long sweep). Counts the values checked.
class TChecker {
 public:
  explicit TChecker(int bigEvery) : bigEvery_(LongSweep() ? 1 : bigEvery) {}

  ::testing::AssertionResult Check(double v, int width, int decimals) {
    const std::string fast = FormatFixed(v, width, decimals);
    const bool big = ++count_ % static_cast<std::uint64_t>(bigEvery_) == 0;
    const std::string expected =
        big ? test::ReferenceFixed(v, width, decimals) : ToCharsFixed(v, width, decimals);
    if (fast == expected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "value " << (v < 0 ? "-" : "") << test::ExactDecimal(v) << " w " << width << " d "
           << decimals << ": \"" << fast << "\", expected \"" << expected << "\" ("
           << (big ? "big-integer" : "to_chars") << " reference)";
  }

  std::uint64_t count() const { return count_; }

 private:
  int bigEvery_;
  std::uint64_t count_ = 0;
};

// The mesh codes of every sheet from 20 to 46 degrees north and 122 to 154
// degrees east (first-level codes 30..68 and 22..53), taken through the
// index's own reading so the edges are the doubles a run computes.
TSheetExtent Sheet(int latitudeCode, int longitudeCode, int digit) {
  const auto d = [](int value) { return static_cast<char>('0' + value); };
  const char code[] = {d(latitudeCode / 10),
                       d(latitudeCode % 10),
                       d(longitudeCode / 10),
                       d(longitudeCode % 10),
                       d(digit),
                       d(digit)};
  return SheetExtentFromLine(std::string_view(code, sizeof code));
}

// Every cell centre and region corner: latitudes through every row of every
// sheet row, longitudes through every cell of every sheet column, computed
// exactly as the grid reader and the region writer compute them.
TEST(FormatFixedDifferential, EveryCellCentreAndCornerOfJapan) {
  TChecker checker(97);
  for (int code = 30; code <= 68; ++code) {
    for (int row = 0; row <= 7; ++row) {
      const double north = Sheet(code, 40, row).north;
      for (int i = 1; i <= kGridRows; ++i) {
        const double y = (north - dlat * (i - 1)) - dlat / 2;
        for (double v : {y, y - dlat / 2, y + dlat / 2}) ASSERT_TRUE(checker.Check(v, 12, 7));
      }
    }
  }
  for (int code = 22; code <= 53; ++code) {
    for (int col = 0; col <= 7; ++col) {
      const double west = Sheet(50, code, col).west;
      for (int j = 1; j <= kGridColumns; ++j) {
        const double x = (west + dlon * (j - 1)) + dlon / 2;
        for (double v : {x, x - dlon / 2, x + dlon / 2}) ASSERT_TRUE(checker.Check(v, 12, 7));
      }
    }
  }
  EXPECT_EQ(checker.count(), (39u * 8 + 32u * 8) * 200 * 3);
}

// Every elevation a field of the disc gives, and far beyond: k/10 for
// |k| ≤ 10^6, as the grid reader divides.
TEST(FormatFixedDifferential, EveryElevationTenth) {
  TChecker checker(101);
  for (int k = -1'000'000; k <= 1'000'000; ++k) ASSERT_TRUE(checker.Check(k / 10.0, 6, 1));
}

// The nearest double to a midpoint and its two neighbours on each side:
// where the first rounding decides which way the field goes.
void CheckAroundMidpoint(TChecker& checker, double midpoint, int width, int decimals) {
  double v = std::nextafter(std::nextafter(midpoint, -HUGE_VAL), -HUGE_VAL);
  for (int i = 0; i < 5; ++i, v = std::nextafter(v, HUGE_VAL))
    ASSERT_TRUE(checker.Check(v, width, decimals));
}

// Every 1-decimal midpoint (n + 1/2) / 10 up to 10^5, ±2 ulp.
TEST(FormatFixedDifferential, AroundEveryOneDecimalMidpoint) {
  TChecker checker(211);
  for (std::int64_t n = 0; n < 1'000'000; ++n) {
    CheckAroundMidpoint(checker, static_cast<double>(2 * n + 1) / 20, 6, 1);
    if (HasFatalFailure()) return;
  }
}

// 7-decimal midpoints (n + 1/2) / 10^7, ±2 ulp, in ranges where the field
// changes shape (near 0, 1, 10, 100, 1000) and where Japan's coordinates lie.
TEST(FormatFixedDifferential, AroundSevenDecimalMidpointsInRanges) {
  const double starts[] = {0.0,   0.999, 9.999,  99.999, 999.999, 20.0,   26.45,
                           35.02, 45.55, 122.93, 127.5,  138.77,  139.98, 153.99};
  const std::int64_t count = LongSweep() ? 200'000 : 10'000;  // midpoints per range
  TChecker checker(101);
  for (double start : starts) {
    const auto first = static_cast<std::int64_t>(std::llround(start * 1e7));
    for (std::int64_t n = first; n < first + count; ++n) {
      CheckAroundMidpoint(checker, static_cast<double>(2 * n + 1) / 2e7, 12, 7);
      if (HasFatalFailure()) return;
    }
  }
}

// Where the exact kernel's domain ends and the general path takes over:
// around every power of ten (the first rounding's precision changes) and
// every power of two (the binary exponent's limits), for every decimals
// count from 0 to 22 and both signs. All against the big-integer reference.
TEST(FormatFixedDifferential, KernelDomainEdges) {
  TChecker checker(1);
  for (int d = 0; d <= 22; ++d) {
    for (int e = -6; e <= 18; ++e) CheckAroundMidpoint(checker, std::pow(10.0, e), 0, d);
    for (int e = -14; e <= 66; ++e) {
      CheckAroundMidpoint(checker, std::ldexp(1.0, e), 0, d);
      CheckAroundMidpoint(checker, -std::ldexp(1.5, e), 4, d);
    }
    if (HasFatalFailure()) return;
  }
}

// The remembered fields of the line writer give FormatFixed's bytes: on the
// cell centres of neighbouring sheets in run order, on values that share a
// slot, on the two zeros (one slot, different bits), at the edge of the
// remembered range and on values outside it.
TEST(FormatFixedDifferential, RememberedFieldsMatchFormatFixed) {
  const struct {
    int width, decimals;
    double perUnit;
    std::size_t slots;
  } shapes[] = {{12, 7, 4800.0, 1024}, {6, 1, 10.0, 4096}, {0, 3, 1.0, 2}};
  std::vector<double> values;
  for (int sheet = 0; sheet < 3; ++sheet) {
    const TSheetExtent e = Sheet(53, 39, sheet);
    for (int i = 1; i <= 30; ++i) {
      const double y = (e.north - dlat * (i - 1)) - dlat / 2;
      for (int j = 1; j <= kGridColumns; ++j) {
        const double x = (e.west + dlon * (j - 1)) + dlon / 2;
        for (double v : {x, y, x - dlon / 2, y + dlat / 2, (i * 37 + j * 11) % 4000 / 10.0})
          values.push_back(v);
      }
    }
  }
  for (double v : {0.0,
                   -0.0,
                   0.0,
                   1024 / 4800.0,
                   0.0,
                   409.6,
                   0.0,
                   -0.04,
                   999999.99999999,
                   -999999.99999999,
                   1e6,
                   -1e6,
                   1e6,
                   1e30,
                   -1e30,
                   1e37,
                   HUGE_VAL,
                   -HUGE_VAL,
                   std::nan(""),
                   0.25,
                   0.25 + 1024 / 4800.0,
                   0.25})
    values.push_back(v);
  // Neighbouring doubles around a midpoint: one slot, texts either side.
  for (double midpoint : {139.12345675, 35.00000005, 12.25, -0.05}) {
    double v = std::nextafter(std::nextafter(midpoint, -HUGE_VAL), -HUGE_VAL);
    for (int i = 0; i < 5; ++i, v = std::nextafter(v, HUGE_VAL)) values.insert(values.end(), 2, v);
  }
  for (const auto& shape : shapes) {
    TFieldTexts texts(shape.width, shape.decimals, shape.perUnit, shape.slots);
    for (double v : values) {
      char out[kMaxFixedChars];
      const std::size_t length = texts.Write(v, out);
      ASSERT_EQ(std::string(out, length), FormatFixed(v, shape.width, shape.decimals))
          << "value " << v << " w " << shape.width << " d " << shape.decimals;
    }
  }
}

std::uint64_t Seed() {
  const char* text = std::getenv("VELMORA_FIXED_SEED");
  return text != nullptr ? std::strtoull(text, nullptr, 10) : 20240611;
}

// Seeded random doubles: bit patterns of every magnitude from 2^-70 to 2^120 (where the exponent
// form starts) with random widths and decimals (big-integer reference), and random values of the
// two field shapes in the ranges a run writes.
TEST(FormatFixedDifferential, SeededRandomDoubles) {
  const std::uint64_t seed = Seed();
  std::printf("FormatFixedDifferential seed: %llu (VELMORA_FIXED_SEED)\n",
              static_cast<unsigned long long>(seed));
  std::mt19937_64 rng(seed);
  const int scale = LongSweep() ? 50 : 1;

  TChecker anyValue(1);
  std::uniform_int_distribution<int> exponent(-70, 119), width(0, 30), decimals(0, 22);
  std::uniform_int_distribution<std::uint64_t> significand(0, (std::uint64_t{1} << 52) - 1);
  for (int i = 0; i < 20'000 * scale; ++i) {
    const double unit = 1.0 + std::ldexp(static_cast<double>(significand(rng)), -52);
    const double v = std::ldexp(unit, exponent(rng)) * (rng() & 1 ? -1 : 1);
    ASSERT_TRUE(anyValue.Check(v, width(rng), decimals(rng))) << "seed " << seed;
  }

  TChecker fieldValue(53);
  std::uniform_real_distribution<double> coordinate(20.0, 154.0), elevation(-1000.0, 10000.0);
  for (int i = 0; i < 200'000 * scale; ++i) {
    ASSERT_TRUE(fieldValue.Check(coordinate(rng), 12, 7)) << "seed " << seed;
    ASSERT_TRUE(fieldValue.Check(elevation(rng), 6, 1)) << "seed " << seed;
  }
}

}  // namespace
}  // namespace velmora
