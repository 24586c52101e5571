#include "output/mif_writer.h"

namespace velmora {

namespace {

// Room for one coordinate line, a .mid line, and the .mif lines of a point
// (keyword, coordinates, symbol) and of a region (two keyword lines, five
// corners, pen, brush).
constexpr std::size_t kCoordinateLineRoom = 2 * kMaxFixedChars + 2;
constexpr std::size_t kElevationLineRoom = kMaxFixedChars + 2;
constexpr std::size_t kPointRoom = 8 + kCoordinateLineRoom + 22;
constexpr std::size_t kRegionRoom = 16 + 5 * kCoordinateLineRoom + 44;

char* PutCoordinateLine(TTextLineWriter& mif, double longitude, double latitude, char* at) {
  at = mif.PutCoordinate(longitude, at);
  at = mif.PutCoordinate(latitude, at);
  return TTextLineWriter::Put("\r\n", at);
}

void WriteElevationLine(TTextLineWriter& mid, double h) {
  char* p = mid.Room(kElevationLineRoom);
  p = mid.PutElevation(h, p);
  mid.Commit(TTextLineWriter::Put("\r\n", p));
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
  char* p = mif.Room(kPointRoom);
  p = TTextLineWriter::Put("Point \r\n", p);
  p = PutCoordinateLine(mif, cell.x, cell.y, p);
  mif.Commit(TTextLineWriter::Put("    Symbol (34,0,9) \r\n", p));
}

void WriteRegionObject(TTextLineWriter& mif, TTextLineWriter& mid, const TGridCell& cell) {
  WriteElevationLine(mid, cell.h);
  char* p = mif.Room(kRegionRoom);
  p = TTextLineWriter::Put("Region  1\r\n  5\r\n", p);
  p = PutCoordinateLine(mif, cell.x - hx, cell.y - hy, p);
  p = PutCoordinateLine(mif, cell.x + hx, cell.y - hy, p);
  p = PutCoordinateLine(mif, cell.x + hx, cell.y + hy, p);
  p = PutCoordinateLine(mif, cell.x - hx, cell.y + hy, p);
  p = PutCoordinateLine(mif, cell.x - hx, cell.y - hy, p);
  mif.Commit(TTextLineWriter::Put("    Pen (1,2,0) \r\n    Brush (1,0,16777215)\r\n", p));
}

}  // namespace velmora
