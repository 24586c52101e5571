#include "tools/sample_disc/fixed_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>

namespace velmora::sample_disc {

namespace {

void PutPadded(std::span<char> field, int value, char pad) {
  std::array<char, 12> digits{};
  const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  const auto length = static_cast<std::size_t>(end - digits.data());
  if (ec != std::errc{} || length > field.size()) {
    throw std::length_error("a number does not fit its field");
  }
  const auto padding = static_cast<std::ptrdiff_t>(field.size() - length);
  std::fill(field.begin(), field.begin() + padding, pad);
  std::copy(digits.data(), end, field.begin() + padding);
}

}  // namespace

void PutRightAligned(std::span<char> field, int value) { PutPadded(field, value, ' '); }

void PutZeroPadded(std::span<char> field, int value) {
  if (value < 0) throw std::domain_error("a zero-padded number must not be negative");
  PutPadded(field, value, '0');
}

}  // namespace velmora::sample_disc
