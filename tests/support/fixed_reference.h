// A deliberately plain reference for the fixed-point field: the double's
// exact decimal expansion worked out with big integers, then the field's
// rounding steps applied to that digit string. Slow, obvious, independent of
// the library's own conversions.
#pragma once

#include <string>

namespace velmora::test {

// The exact decimal expansion of a finite double's magnitude: integer
// digits (at least one), ".", then every decimal (none for an integer).
std::string ExactDecimal(double value);

// The field for `value`, `width`, `decimals`, worked out from ExactDecimal.
std::string ReferenceFixed(double value, int width, int decimals);

}  // namespace velmora::test
