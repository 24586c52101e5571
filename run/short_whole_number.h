// The common case of the disc's fields, read all at once: five bytes of
// blanks, an optional sign and at least one digit. The numeric text rule
// (run/number_text.h) accepts exactly that text with the whole number itself
// as its value, which a double holds exactly and which lies far inside the
// holding limits; only −0 is held as +0. Pure: no locale, no state.
//
// Bytes b0..b4 load as x = Σ b_i · 2^(8i). With y = x XOR 0x30 in every
// byte, a digit byte becomes its value 0..9 and every other byte is 10 or
// more, so bit 7 of ((y AND 0x7F) + 0x76) OR y marks the non-digits (no
// carry crosses a byte: 0x7F + 0x76 < 0x100). The form holds when the
// non-digits are exactly bytes 0..k−1 for some k ≤ 4 (no marked byte
// follows an unmarked one, and byte 4 is unmarked), all blanks except that
// byte k−1 may be the sign. The digits y_k..y_4, moved to bytes 3..7 of a
// word, are an eight-digit decimal whose value three multiply-and-shift
// steps gather (pairs, quads, all eight).
#pragma once

#include <cstdint>
#include <cstring>

namespace velmora {

// The five bytes at `bytes` as the word x above.
inline std::uint64_t FiveBytes(const char* bytes) {
  std::uint32_t first4 = 0;
  std::memcpy(&first4, bytes, 4);
  return first4 | std::uint64_t{static_cast<unsigned char>(bytes[4])} << 32;
}

// Sets `value` to the held value of the five bytes whose word is `x` and
// returns true; false when they are not of that form (the general rule then
// decides). A flag and an out-value, not an optional: this runs once per
// field, and an optional made on the stack costs a stall in every read.
inline bool ShortWholeNumber(std::uint64_t x, double& value) {
  constexpr std::uint64_t kOnes = 0x01'01'01'01'01;  // one in each of the five bytes
  const std::uint64_t y = x ^ (0x30 * kOnes);
  const std::uint64_t nonDigits = (((y & (0x7F * kOnes)) + 0x76 * kOnes) | y) & (0x80 * kOnes);
  // The non-digits must be bytes 0..k−1 with k <= 4: none follows a digit,
  // and byte 4 is a digit.
  if ((((nonDigits >> 8) & ~nonDigits) | (nonDigits >> 39)) != 0) return false;
  const std::uint64_t prefix = (nonDigits >> 7) * 0xFF;  // bytes 0..k−1
  const std::uint64_t blanks = 0x20 * kOnes;
  bool negative = false;
  if ((x & prefix) != (blanks & prefix)) {
    const std::uint64_t beforeSign = prefix >> 8;  // bytes 0..k−2
    const std::uint64_t sign = x & (prefix ^ beforeSign);
    if ((x & beforeSign) != (blanks & beforeSign)) return false;
    negative = sign == ('-' * kOnes & prefix & ~beforeSign);
    if (!negative && sign != ('+' * kOnes & prefix & ~beforeSign)) return false;
  }
  std::uint64_t v = (y & ~prefix) << 24;
  v = ((v * (10 * 256 + 1)) >> 8) & 0x00FF'00FF'00FF'00FF;
  v = ((v * (100 * 65536 + 1)) >> 16) & 0x0000'FFFF'0000'FFFF;
  v = (v * (10000 * (std::uint64_t{1} << 32) + 1)) >> 32;
  const auto magnitude = static_cast<double>(v);
  value = negative && v != 0 ? -magnitude : magnitude;
  return true;
}

}  // namespace velmora
