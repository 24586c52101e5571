#include "output/field_texts.h"

namespace velmora {

namespace {

constexpr std::uint64_t kEmptyBits = 0x7FF8'0000'0000'0001;  // a quiet NaN

}  // namespace

TFieldTexts::TFieldTexts(int width, int decimals, double slotsPerUnit, std::size_t slots)
    : width_(width),
      decimals_(decimals),
      perUnit_(slotsPerUnit),
      mask_(slots - 1),
      slots_(slots, TSlot{kEmptyBits, {}, 0}) {}

void TFieldTexts::Fill(TSlot& slot, double value, std::uint64_t bits) const {
  char text[kMaxFixedChars] = {};
  slot.length = FormatFixed(value, width_, decimals_, text);
  std::memcpy(slot.text, text, kTextBytes);
  slot.bits = bits;
}

}  // namespace velmora
