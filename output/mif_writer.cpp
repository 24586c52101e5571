#include "output/mif_writer.h"

namespace velmora {

namespace {

void WriteCoordinateLine(TTextLineWriter& mif, double longitude, double latitude) {
  mif.WriteCoordinate(longitude);
  mif.WriteCoordinate(latitude);
  mif.WriteLine();
}

void WriteElevationLine(TTextLineWriter& mid, double h) {
  mid.WriteElevation(h);
  mid.WriteLine();
}

}  // namespace

void WriteMifHeader(TTextLineWriter& mif) {
  mif.WriteLine("Version 300");
  mif.WriteLine("Charset ");
  mif.WriteLine("\"WindowsJapanese\"");
  mif.WriteLine("CoordSys Earth Projection 1, 0");
  mif.WriteLine("Columns 1");
  mif.WriteLine("  h Decimal(10, 1)");
  mif.WriteLine("Data");
  mif.WriteLine();
}

void WritePointObject(TTextLineWriter& mif, TTextLineWriter& mid, const TGridCell& cell) {
  WriteElevationLine(mid, cell.h);
  mif.WriteLine("Point ");
  WriteCoordinateLine(mif, cell.x, cell.y);
  mif.WriteLine("    Symbol (34,0,9) ");
}

void WriteRegionObject(TTextLineWriter& mif, TTextLineWriter& mid, const TGridCell& cell) {
  WriteElevationLine(mid, cell.h);
  mif.WriteLine("Region  1");
  mif.WriteLine("  5");
  WriteCoordinateLine(mif, cell.x - hx, cell.y - hy);
  WriteCoordinateLine(mif, cell.x + hx, cell.y - hy);
  WriteCoordinateLine(mif, cell.x + hx, cell.y + hy);
  WriteCoordinateLine(mif, cell.x - hx, cell.y + hy);
  WriteCoordinateLine(mif, cell.x - hx, cell.y - hy);
  mif.WriteLine("    Pen (1,2,0) ");
  mif.WriteLine("    Brush (1,0,16777215)");
}

}  // namespace velmora
