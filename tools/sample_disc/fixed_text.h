// Whole numbers written into fixed-width fields of a byte buffer, digits
// only (an optional leading "-"), the same whatever the locale.
#pragma once

#include <span>

namespace velmora::sample_disc {

// Writes `value` right-aligned into `field`, blanks (byte 32) on the left.
// Throws std::length_error when the digits and sign do not fit.
void PutRightAligned(std::span<char> field, int value);

// Writes `value` (>= 0) into `field` with leading zeros ("007").
// Throws std::length_error when it does not fit, std::domain_error when the
// value is negative.
void PutZeroPadded(std::span<char> field, int value);

}  // namespace velmora::sample_disc
