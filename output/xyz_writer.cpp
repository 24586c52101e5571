#include "output/xyz_writer.h"

namespace velmora {

void WriteXyzLine(TTextLineWriter& txt, const TGridCell& cell) {
  txt.WriteFixed(cell.x, 12, 7);
  txt.WriteText(",");
  txt.WriteFixed(cell.y, 12, 7);
  txt.WriteText(",");
  txt.WriteFixed(cell.h, 6, 1);
  txt.WriteLine();
}

}  // namespace velmora
