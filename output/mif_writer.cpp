#include "output/mif_writer.h"

#include "output/coordinate_text.h"

namespace velmora {

namespace {

// Room for one coordinate line, a .mid line, and the .mif lines of a point
// (keyword, coordinates, symbol) and of a region (two keyword lines, five
// corners, pen, brush).
constexpr std::size_t kCoordinateLineRoom = 2 * kMaxFixedChars + 2;
constexpr std::size_t kElevationLineRoom = kMaxFixedChars + 2;
constexpr std::size_t kPointRoom = 8 + kCoordinateLineRoom + 22;
constexpr std::size_t kRegionRoom = 16 + 5 * kCoordinateLineRoom + 44;

// Longitude and latitude side by side, then CR LF.
char* PutCoordinateLine(const TCoordinateText& longitude, const TCoordinateText& latitude,
                        char* at) {
  return TTextLineWriter::Put("\r\n", latitude.PutAt(longitude.PutAt(at)));
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

void WritePointObjects(TTextLineWriter& mif, TTextLineWriter& mid,
                       std::span<const TGridCell> cells) {
  TRecurringCoordinate latitude;  // one per row
  TCoordinateText longitude;
  for (const TGridCell& cell : cells) {
    WriteElevationLine(mid, cell.h);
    longitude.Set(mif, cell.x);
    char* p = mif.Room(kPointRoom);
    p = TTextLineWriter::Put("Point \r\n", p);
    p = PutCoordinateLine(longitude, latitude.For(mif, cell.y), p);
    mif.Commit(TTextLineWriter::Put("    Symbol (34,0,9) \r\n", p));
  }
}

void WriteRegionObjects(TTextLineWriter& mif, TTextLineWriter& mid,
                        std::span<const TGridCell> cells) {
  // A row's cells share their corners' latitudes; each cell's west and east
  // longitudes serve two or three corners.
  TRecurringCoordinate south, north;
  TCoordinateText west, east;
  for (const TGridCell& cell : cells) {
    WriteElevationLine(mid, cell.h);
    west.Set(mif, cell.x - hx);
    east.Set(mif, cell.x + hx);
    const TCoordinateText& s = south.For(mif, cell.y - hy);
    const TCoordinateText& n = north.For(mif, cell.y + hy);
    char* p = mif.Room(kRegionRoom);
    p = TTextLineWriter::Put("Region  1\r\n  5\r\n", p);
    p = PutCoordinateLine(west, s, p);
    p = PutCoordinateLine(east, s, p);
    p = PutCoordinateLine(east, n, p);
    p = PutCoordinateLine(west, n, p);
    p = PutCoordinateLine(west, s, p);
    mif.Commit(TTextLineWriter::Put("    Pen (1,2,0) \r\n    Brush (1,0,16777215)\r\n", p));
  }
}

void WritePointObject(TTextLineWriter& mif, TTextLineWriter& mid, const TGridCell& cell) {
  WritePointObjects(mif, mid, {&cell, 1});
}

void WriteRegionObject(TTextLineWriter& mif, TTextLineWriter& mid, const TGridCell& cell) {
  WriteRegionObjects(mif, mid, {&cell, 1});
}

}  // namespace velmora
