#include "output/xyz_writer.h"

#include <algorithm>

#include "output/coordinate_text.h"

namespace velmora {

namespace {

// Room for one line: three fields, two commas, CR LF; lines composed at once.
constexpr std::size_t kLineRoom = 3 * kMaxFixedChars + 4;
constexpr std::size_t kLinesAtOnce = 256;

}  // namespace

void WriteXyzLines(TTextLineWriter& txt, std::span<const TGridCell> cells) {
  TRecurringCoordinate latitude;
  while (!cells.empty()) {
    const std::span<const TGridCell> part = cells.first(std::min(cells.size(), kLinesAtOnce));
    char* p = txt.Room(part.size() * kLineRoom);
    for (const TGridCell& cell : part) {
      p = txt.PutCoordinate(cell.x, p);
      *p++ = ',';
      p = latitude.For(txt, cell.y).PutAt(p);
      *p++ = ',';
      p = txt.PutElevation(cell.h, p);
      p = TTextLineWriter::Put("\r\n", p);
    }
    txt.Commit(p);
    cells = cells.subspan(part.size());
  }
}

void WriteXyzLine(TTextLineWriter& txt, const TGridCell& cell) { WriteXyzLines(txt, {&cell, 1}); }

}  // namespace velmora
