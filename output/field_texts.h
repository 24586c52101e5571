// One shape of fixed-point field, FormatFixed(v, width, decimals), remembered
// per value. A run writes each sheet column's longitude once per row, each
// row's latitude once per cell, the region corners as often, and the same few
// thousand elevations over and over, so most fields are texts it has just
// made. A text is reused only for the very same double (its bits are the
// key), so the bytes are always those of FormatFixed.
//
// Direct-mapped: the slot of v is ⌊v · slotsPerUnit⌋ modulo the slot count.
// With 4800 slots per degree (half a cell's height, a third of half its
// width) the centres and edges of neighbouring cells take neighbouring
// slots, and a sheet's columns, which span 600, never evict each other; with
// 10 per metre every elevation tenth has its own slot within the span of the
// slot count. Any value is accepted; one of magnitude 10^6 or more is
// formatted afresh each time.
#pragma once

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "output/format_fixed.h"

namespace velmora {

class TFieldTexts {
 public:
  // Requires width <= 16, 0 <= decimals <= 8 (a remembered text then fits
  // its slot: at most 1 + 6 + 1 + 8 characters) and slots a power of two.
  TFieldTexts(int width, int decimals, double slotsPerUnit, std::size_t slots);

  // Writes FormatFixed(value, width, decimals) at `out`, which has room for
  // kMaxFixedChars, and returns its length. May write bytes past the text,
  // within that room.
  std::size_t Write(double value, char* out) {
    if (!(std::fabs(value) < kRemembered)) return FormatFixed(value, width_, decimals_, out);
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto position = static_cast<std::uint64_t>(static_cast<std::int64_t>(value * perUnit_));
    TSlot& slot = slots_[position & mask_];
    if (slot.bits != bits) Fill(slot, value, bits);
    std::memcpy(out, slot.text, kTextBytes);
    return slot.length;
  }

 private:
  static constexpr double kRemembered = 1e6;
  static constexpr std::size_t kTextBytes = 16;

  struct TSlot {
    std::uint64_t bits;  // the value's bits; while empty, a NaN that no lookup uses
    char text[kTextBytes];
    std::size_t length;
  };

  void Fill(TSlot& slot, double value, std::uint64_t bits) const;

  int width_;
  int decimals_;
  double perUnit_;
  std::uint64_t mask_;
  std::vector<TSlot> slots_;
};

}  // namespace velmora
