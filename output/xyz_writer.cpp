#include "output/xyz_writer.h"

namespace velmora {

void WriteXyzLine(TTextLineWriter& txt, const TGridCell& cell) {
  txt.WriteCoordinate(cell.x);
  txt.WriteText(",");
  txt.WriteCoordinate(cell.y);
  txt.WriteText(",");
  txt.WriteElevation(cell.h);
  txt.WriteLine();
}

}  // namespace velmora
