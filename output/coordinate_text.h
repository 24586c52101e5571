// A coordinate field's text held for writing more than once: the corners of
// a region share their longitudes and latitudes, and the cells of a row their
// latitude. TRecurringCoordinate works the text out again only when the value
// changes, so a row's latitude is formatted once for the whole row.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "output/format_fixed.h"
#include "output/text_line_writer.h"

namespace velmora {

struct TCoordinateText {
  char text[kMaxFixedChars];
  std::size_t length = 0;

  // FormatFixed(value, 12, 7) through the writer's remembered fields.
  void Set(TTextLineWriter& writer, double value) {
    length = static_cast<std::size_t>(writer.PutCoordinate(value, text) - text);
  }

  // Copies the text to `at` (room for kMaxFixedChars) and returns its end.
  char* PutAt(char* at) const {
    constexpr std::size_t kShort = 16;  // one fixed-size copy for the usual field
    if (length <= kShort) {
      std::memcpy(at, text, kShort);
    } else {
      std::memcpy(at, text, length);
    }
    return at + length;
  }
};

class TRecurringCoordinate {
 public:
  const TCoordinateText& For(TTextLineWriter& writer, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if (!set_ || bits != bits_) {
      field_.Set(writer, value);
      bits_ = bits;
      set_ = true;
    }
    return field_;
  }

 private:
  TCoordinateText field_;
  std::uint64_t bits_ = 0;
  bool set_ = false;
};

}  // namespace velmora
