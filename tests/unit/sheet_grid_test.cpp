// Reading a sheet's grid: cell centres, the rectangle filter on its bounds,
// the no-data marker and malformed rows.
#include "source/sheet_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_box.h"
#include "support/run_failure_check.h"
#include "support/tiny_disc.h"

namespace velmora {
namespace {

class TRecordingSink : public TCellSink {
 public:
  void Write(const TGridCell& cell) override { cells.push_back(cell); }
  std::vector<TGridCell> cells;
};

using test::Box;

double CentreY(double north, int row) { return (north - dlat * (row - 1)) - dlat / 2; }
double CentreX(double west, int column) { return (west + dlon * (column - 1)) + dlon / 2; }

class SheetGridTest : public ::testing::Test {
 protected:
  // Reads `bytes` as the grid of sheet 392754 under `box`; returns the reader
  // so a test can see where it stopped.
  std::vector<TGridCell> Read(const std::string& bytes, const TRunParams& box,
                              std::string* nextLine = nullptr) {
    const auto path = folder_.path() / "392754.mem";
    test::WriteFile(path, bytes);
    TTextLineReader reader;
    reader.Open(path.string());
    TRecordingSink sink;
    ReadSheetGrid(reader, extent_, box, sink);
    if (nextLine) *nextLine = std::string(reader.ReadLine());
    reader.Close();
    return sink.cells;
  }

  test::TTempFolder folder_;
  const TSheetExtent extent_ = SheetExtentFromLine("392754");
};

std::string Uniform(const std::string& text) {
  return test::GridFileBytes("392754", [&](int, int) { return text; });
}

TEST_F(SheetGridTest, DefaultRectangleKeepsCellsFrom192East) {
  const auto cells =
      Read(test::GridFileBytes(
               "392754", [](int row, int column) { return std::to_string(row * 1000 + column); }),
           Box(26.056649, 26.881738, 127.619553, 128.357271));
  ASSERT_EQ(cells.size(), 200u * 9);
  EXPECT_EQ(cells.front().y, CentreY(26.5, 1));
  EXPECT_EQ(cells.front().x, CentreX(127.5, 192));
  EXPECT_EQ(cells.front().h, 1192 / 10.0);
  EXPECT_EQ(cells.back().y, CentreY(26.5, 200));
  EXPECT_EQ(cells.back().x, CentreX(127.5, 200));
  EXPECT_LT(CentreX(127.5, 191), 127.619553);
  // North to south, west to east.
  EXPECT_EQ(cells[9].y, CentreY(26.5, 2));
  EXPECT_EQ(cells[1].x, CentreX(127.5, 193));
}

// The west side and both latitude sides include their bound; the east side
// excludes it.
TEST_F(SheetGridTest, BoundsOnCellCentres) {
  const double x10 = CentreX(127.5, 10), x20 = CentreX(127.5, 20);
  const double y5 = CentreY(26.5, 5), y8 = CentreY(26.5, 8);
  const auto cells = Read(Uniform("1"), Box(y8, y5, x10, x20));
  ASSERT_EQ(cells.size(), 4u * 10);  // rows 5..8, cells 10..19
  EXPECT_EQ(cells.front().x, x10);
  EXPECT_EQ(cells.front().y, y5);
  EXPECT_EQ(cells.back().x, CentreX(127.5, 19));
  EXPECT_EQ(cells.back().y, y8);

  EXPECT_EQ(Read(Uniform("1"), Box(y5, y5, x10, x10)).size(), 0u);  // zero width: x < X_max fails
  EXPECT_EQ(Read(Uniform("1"), Box(y5, y5, x20, x10)).size(), 0u);  // west side east of the east
  EXPECT_EQ(Read(Uniform("1"), Box(y5, y5, x10, x20)).size(), 10u);
}

// A sheet that shares only an edge with the rectangle is read through, and
// gives no cell; 201 lines are read and no more.
TEST_F(SheetGridTest, EdgeOnlySheetAndLinesRead) {
  std::string next;
  const auto cells = Read(Uniform("1") + "line 202\r\n", Box(26.5, 27, 127.5, 127.625), &next);
  EXPECT_TRUE(cells.empty());
  EXPECT_EQ(next, "line 202");
}

TEST_F(SheetGridTest, CellTexts) {
  const struct {
    std::string text;  // five characters or fewer (right-aligned by the fixture)
    bool kept;
    double h;
  } cases[] = {
      {"-9999", false, 0},     {" -999", true, -99.9},  {"  -15", true, -1.5},
      {"12345", true, 1234.5}, {"    0", true, 0},      {"     ", true, 0},
      {"abcde", true, 0},      {"1e2", true, 10},       {"  1 2", true, 0.1},
      {"9 999", true, 0.9},    {"-9998", true, -999.8},
  };
  const TRunParams box = Box(26.4, 26.5, 127.5, 127.5 + dlon);  // cell 1 of every row
  for (const auto& c : cases) {
    SCOPED_TRACE("cell \"" + c.text + "\"");
    const auto cells = Read(Uniform(c.text), box);
    ASSERT_EQ(cells.size(), c.kept ? 200u : 0u);
    if (c.kept) {
      EXPECT_EQ(cells[0].h, c.h);
    }
  }
}

// Missing lines and short rows read as empty fields, h = 0; a marker cut by
// the end of a row is a number; bytes past 1009 are ignored.
TEST_F(SheetGridTest, ShortAndLongRows) {
  const TRunParams wholeSheet = Box(26.4, 26.5, 127.5, 127.625);
  for (const std::string& bytes :
       {std::string(), std::string("header only\r\n"), std::string("a\nb\nc\n")}) {
    const auto cells = Read(bytes, wholeSheet);
    ASSERT_EQ(cells.size(), 40000u);
    EXPECT_EQ(cells[12345].h, 0.0);
  }

  std::string rows = "header\r\n";
  const std::string prefix = "392754001";
  rows += prefix + "  123-99\r\n";                             // cell 2 cut after "-99"
  rows += prefix + std::string(1000, '1') + "-9999-9999\r\n";  // past 1009: ignored
  const auto cells = Read(rows, Box(CentreY(26.5, 2), 26.5, 127.5, 127.5 + 3 * dlon));
  ASSERT_EQ(cells.size(), 6u);
  EXPECT_EQ(cells[0].h, 12.3);
  EXPECT_EQ(cells[1].h, -9.9);
  EXPECT_EQ(cells[2].h, 0.0);
  EXPECT_EQ(cells[3].h, 1111.1);
}

// A field too large to hold ends the read in a row inside the latitude range,
// wherever it stands in the row: west of the rectangle, in it or east of it;
// rows outside the range are not parsed.
TEST_F(SheetGridTest, OverflowingField) {
  const struct {
    int column;
    double west, east;  // the rectangle's sides
  } cases[] = {{1, 127.6, 127.625}, {100, 127.5, 127.625}, {200, 127.5, 127.6}};
  for (const auto& c : cases) {
    SCOPED_TRACE("column " + std::to_string(c.column));
    const auto grid = test::GridFileBytes("392754", [&](int row, int column) {
      return row == 3 && column == c.column ? "9e99" : "1";
    });
    EXPECT_TRUE(test::ThrowsRunFailure([&] { Read(grid, Box(26.4, 26.5, c.west, c.east)); }, 0,
                                       "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ"));
    const TRunParams south = Box(26.4, CentreY(26.5, 4), 127.5, 127.625);
    EXPECT_EQ(Read(grid, south).size(), 197u * 200);
  }
}

}  // namespace
}  // namespace velmora
