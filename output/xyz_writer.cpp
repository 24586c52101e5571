#include "output/xyz_writer.h"

namespace velmora {

namespace {

// Room for one line: three fields, two commas, CR LF.
constexpr std::size_t kLineRoom = 3 * kMaxFixedChars + 4;

}  // namespace

void WriteXyzLine(TTextLineWriter& txt, const TGridCell& cell) {
  char* p = txt.Room(kLineRoom);
  p = txt.PutCoordinate(cell.x, p);
  p = TTextLineWriter::Put(",", p);
  p = txt.PutCoordinate(cell.y, p);
  p = TTextLineWriter::Put(",", p);
  p = txt.PutElevation(cell.h, p);
  txt.Commit(TTextLineWriter::Put("\r\n", p));
}

}  // namespace velmora
