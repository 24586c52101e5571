// The writers handed many cells at once, as a run hands them a grid row: the
// bytes must be those of the format's layout with every field from
// FormatFixed, also where the row's latitude changes inside one call, where
// a call holds more lines than are composed at once, where the write block
// fills in the middle of a call, and for fields longer than the usual ones.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/format_fixed.h"
#include "output/mif_writer.h"
#include "output/text_line_writer.h"
#include "output/xyz_writer.h"
#include "support/tiny_disc.h"

namespace velmora {
namespace {

// Three rows of 300 cells (more than one block of lines), then cells whose
// coordinates and elevations have long or negative fields, repeated and not.
std::vector<TGridCell> Cells() {
  std::vector<TGridCell> cells;
  for (int i = 1; i <= 3; ++i) {
    const double y = (35.75 - dlat * (i - 1)) - dlat / 2;
    for (int j = 1; j <= 300; ++j)
      cells.push_back({(139.625 + dlon * (j - 1)) + dlon / 2, y, (i * 977 + j * 31) % 5000 / 10.0});
  }
  for (const TGridCell& c : {TGridCell{-12345678.5, 35.5, -999.9}, TGridCell{-12345678.5, 35.5, 0},
                             TGridCell{1e30, -1e7, 12345.6}, TGridCell{-0.0, -0.0, -0.0},
                             TGridCell{127.5, 1e7, 1e37}, TGridCell{127.5, 1e7, 1e37}})
    cells.push_back(c);
  return cells;
}

std::string Coordinates(double longitude, double latitude) {
  return FormatFixed(longitude, 12, 7) + FormatFixed(latitude, 12, 7) + "\r\n";
}

class RowWritersTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return (folder_.path() / name).string(); }
  std::string Bytes(const std::string& name) const { return test::ReadFile(folder_.path() / name); }

  test::TTempFolder folder_;
  const std::vector<TGridCell> cells_ = Cells();
};

TEST_F(RowWritersTest, XyzLines) {
  std::string expected;
  for (const TGridCell& c : cells_)
    expected += FormatFixed(c.x, 12, 7) + "," + FormatFixed(c.y, 12, 7) + "," +
                FormatFixed(c.h, 6, 1) + "\r\n";
  TTextLineWriter txt;
  txt.Create(Path("z.txt"));
  for (int pass = 0; pass < 100; ++pass) WriteXyzLines(txt, cells_);  // fills the block often
  txt.Close();
  const std::string bytes = Bytes("z.txt");
  ASSERT_EQ(bytes.size(), 100 * expected.size());
  for (std::size_t pass = 0; pass < 100; ++pass)
    ASSERT_EQ(bytes.substr(pass * expected.size(), expected.size()), expected) << "pass " << pass;
}

TEST_F(RowWritersTest, PointAndRegionObjects) {
  std::string points, regions, elevations;
  for (const TGridCell& c : cells_) {
    elevations += FormatFixed(c.h, 6, 1) + "\r\n";
    points += "Point \r\n" + Coordinates(c.x, c.y) + "    Symbol (34,0,9) \r\n";
    regions += "Region  1\r\n  5\r\n" + Coordinates(c.x - hx, c.y - hy) +
               Coordinates(c.x + hx, c.y - hy) + Coordinates(c.x + hx, c.y + hy) +
               Coordinates(c.x - hx, c.y + hy) + Coordinates(c.x - hx, c.y - hy) +
               "    Pen (1,2,0) \r\n    Brush (1,0,16777215)\r\n";
  }
  TTextLineWriter mif, mid;
  mif.Create(Path("p.mif"));
  mid.Create(Path("p.mid"));
  WritePointObjects(mif, mid, cells_);
  mif.Close();
  mid.Close();
  EXPECT_TRUE(Bytes("p.mif") == points);
  EXPECT_TRUE(Bytes("p.mid") == elevations);

  mif.Create(Path("r.mif"));
  mid.Create(Path("r.mid"));
  for (int pass = 0; pass < 20; ++pass) WriteRegionObjects(mif, mid, cells_);
  mif.Close();
  mid.Close();
  const std::string bytes = Bytes("r.mif");
  ASSERT_EQ(bytes.size(), 20 * regions.size());
  for (std::size_t pass = 0; pass < 20; ++pass)
    ASSERT_TRUE(bytes.compare(pass * regions.size(), regions.size(), regions) == 0)
        << "pass " << pass;
  EXPECT_EQ(Bytes("r.mid").size(), 20 * elevations.size());
}

}  // namespace
}  // namespace velmora
