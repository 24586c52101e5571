// The fixed-point field against its examples and against the plain exact
// reference on every realistic input and on seeded random doubles.
#include "output/format_fixed.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include "support/fixed_reference.h"

namespace velmora {
namespace {

struct FixedCase {
  double value;
  int width;
  int decimals;
  std::string text;
};

void ExpectFields(const FixedCase* begin, const FixedCase* end) {
  for (const FixedCase* c = begin; c != end; ++c) {
    SCOPED_TRACE("value " + test::ExactDecimal(c->value) + " w " + std::to_string(c->width) +
                 " d " + std::to_string(c->decimals));
    EXPECT_EQ(FormatFixed(c->value, c->width, c->decimals), c->text);
  }
}

// The field shapes of the output files.
TEST(FormatFixed, Shapes) {
  const FixedCase cases[] = {
      {127.5003125, 12, 7, " 127.5003125"},
      {26.5 - 1.0 / 4800, 12, 7, "  26.4997917"},  // the eighth decimal raises the seventh
      {12.3, 6, 1, "  12.3"},
      {1234.5, 6, 1, "1234.5"},
      {12345.6, 6, 1, "12345.6"},  // never cut
      {-999.8, 6, 1, "-999.8"},
      {0, 6, 1, "   0.0"},
      {-0.0, 6, 1, "   0.0"},  // a negative zero has no sign
      {-0.5, 6, 1, "  -0.5"},
  };
  ExpectFields(std::begin(cases), std::end(cases));
}

// Only the first dropped digit is looked at: half-way rounds away from zero.
TEST(FormatFixed, RoundsHalfAwayFromZero) {
  const FixedCase cases[] = {
      {0.125, 0, 2, "0.13"}, {2.5, 0, 0, "3"},     {-2.5, 0, 0, "-3"},
      {0.5, 0, 0, "1"},      {0.25, 0, 1, "0.3"},  {-0.125, 0, 2, "-0.13"},
      // 0.35 is 0.34999999999999997779...: its 17-decimal form has a 4 after the 3.
      {0.35, 0, 1, "0.3"},   {0.049999, 0, 1, "0.0"},
  };
  ExpectFields(std::begin(cases), std::end(cases));
}

// A carry adds an integer digit; a negative value rounded to zero keeps its sign.
TEST(FormatFixed, CarryAndSign) {
  const FixedCase cases[] = {
      {9.96, 6, 1, "  10.0"},     {99.95, 6, 1, " 100.0"},  {-9.96, 6, 1, " -10.0"},
      {999.96, 0, 1, "1000.0"},   {-0.04, 6, 1, "  -0.0"},  {0.04, 6, 1, "   0.0"},
      {9.9999999999999999, 0, 3, "10.000"},
  };
  ExpectFields(std::begin(cases), std::end(cases));
}

// The 17-decimal and 18-digit steps round first: later digits are zeros.
TEST(FormatFixed, DigitsPastTheFirstRounding) {
  const FixedCase cases[] = {
      {std::ldexp(1.0, 70), 0, 0, "1180591620717411300000"},
      {std::ldexp(1.0, 70), 0, 2, "1180591620717411300000.00"},
      // 0.1 is 0.1000000000000000055511...: the 17th decimal step gives 0.1 exactly.
      {0.1, 0, 20, "0.10000000000000001000"},
      {123456789.123456789, 0, 12, "123456789.123456791000"},
      // 1e-17 has a 1 at the 17th decimal; 4e-18 rounds away at that step.
      {1e-17, 0, 17, "0.00000000000000001"},
      {4e-18, 0, 18, "0.000000000000000000"},
  };
  ExpectFields(std::begin(cases), std::end(cases));
}

// From 2^120 on, the exponent form.
TEST(FormatFixed, ExponentForm) {
  const FixedCase cases[] = {
      {1e37, 6, 1, " 1.0E+0037"},
      {1e37, 12, 7, " 1.000E+0037"},
      {-1e37, 12, 7, "-1.000E+0037"},
      {9.99e37, 6, 1, " 1.0E+0038"},        // the rounding carries into the exponent
      {std::ldexp(1.0, 120), 6, 1, " 1.3E+0036"},
      {1.2345678901234e300, 22, 2, " 1.2345678901234E+0300"},  // n = 14: no padding
      // n = 18 in a 30-wide field: the 18 digits of the double, then padding.
      {1e37, 30, 7, "     9.99999999999999954E+0036"},
      {std::ldexp(1.0, 119), 0, 0, "664613997892457936000000000000000000"},  // just below: fixed
  };
  ExpectFields(std::begin(cases), std::end(cases));
}

// Every cell centre and region corner of a column and of a row of real sheets,
// in both coordinate shapes, against the reference.
TEST(FormatFixed, CellCentresAndCornersMatchReference) {
  const double dlon = 0.000625, dlat = 1.0 / 2400;
  const struct {
    double north, west;
  } sheets[] = {{26.5, 127.5}, {35.75, 139.625}, {45.5, 141.875}, {24.0 + 1.0 / 12, 122.875}};
  for (const auto& s : sheets) {
    for (int k = 1; k <= 200; ++k) {
      const double y = (s.north - dlat * (k - 1)) - dlat / 2;
      const double x = (s.west + dlon * (k - 1)) + dlon / 2;
      for (double v : {x, y, x - dlon / 2, x + dlon / 2, y - dlat / 2, y + dlat / 2}) {
        ASSERT_EQ(FormatFixed(v, 12, 7), test::ReferenceFixed(v, 12, 7))
            << test::ExactDecimal(v);
      }
    }
  }
}

// Every elevation k/10 a grid field can hold.
TEST(FormatFixed, EveryElevationMatchesReference) {
  for (int k = -99999; k <= 99999; ++k) {
    const double h = k / 10.0;
    ASSERT_EQ(FormatFixed(h, 6, 1), test::ReferenceFixed(h, 6, 1)) << "k = " << k;
  }
}

// Random doubles of every bit pattern with magnitudes from 2^-60 to 2^120,
// random widths and decimals.
TEST(FormatFixed, RandomDoublesMatchReference) {
  const std::uint64_t seed = std::random_device{}();
  std::printf("FormatFixed random seed: %llu\n", static_cast<unsigned long long>(seed));
  std::mt19937_64 rng(seed);
  std::uniform_int_distribution<int> exponent(-60, 119), width(0, 24), decimals(0, 20);
  for (int i = 0; i < 20000; ++i) {
    const double mantissa = std::uniform_real_distribution<double>(0.5, 1.0)(rng);
    const double v = std::ldexp(mantissa, exponent(rng)) * (rng() & 1 ? -1 : 1);
    const int w = width(rng), d = decimals(rng);
    ASSERT_EQ(FormatFixed(v, w, d), test::ReferenceFixed(v, w, d))
        << "seed " << seed << " value " << test::ExactDecimal(v) << " w " << w << " d " << d;
  }
}

}  // namespace
}  // namespace velmora
