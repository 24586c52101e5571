// Index lines to sheet extents, the touch test and the paths.
#include "source/sheet_index.h"

#include <gtest/gtest.h>

#include <string>

#include "support/run_box.h"

namespace velmora {
namespace {

constexpr double kTwelfth = 1.0 / 12;

struct ExtentCase {
  std::string line;
  double south, north, west, east;
};

TEST(SheetExtent, FromIndexLines) {
  const double lat39 = 39.0 * 2 / 3;
  const double lat53 = 53.0 * 2 / 3;
  const ExtentCase cases[] = {
      {"392754,\x8e\xf1\x97\xa2", lat39 + 5 * kTwelfth, lat39 + 6 * kTwelfth, 127.5, 127.625},
      {"533945", lat53 + 4 * kTwelfth, lat53 + 5 * kTwelfth, 139.625, 139.75},
      {"392753", lat39 + 5 * kTwelfth, lat39 + 6 * kTwelfth, 127.375, 127.5},
      // Malformed lines take the values the rules give.
      {"", 0, kTwelfth, 100, 100.125},
      {"Mesh,name", 0, kTwelfth, 100, 100.125},
      {"\x93\x8c\x8b\x9e", 0, kTwelfth, 100, 100.125},  // Japanese text first
      {"3927", lat39, lat39 + kTwelfth, 127, 127.125},  // a first-level code alone
      {"39", lat39, lat39 + kTwelfth, 100, 100.125},
      {"3", 2, 2 + kTwelfth, 100, 100.125},
      {"3 27A9", 2, 2 + kTwelfth, 128.125, 128.25},  // "3 " gives 3; "A" gives 0
      {"392799", lat39 + 9 * kTwelfth, lat39 + 10 * kTwelfth, 128.125, 128.25},  // no range test
      // "-5" and ".7" are numbers; "-" as a digit gives 0.
      {"-5.7-4", (-5.0 * 2) / 3, (-5.0 * 2) / 3 + kTwelfth, 100.7 + 4 / 8.0, 100.7 + 5 / 8.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("line \"" + c.line + "\"");
    const TSheetExtent e = SheetExtentFromLine(c.line);
    EXPECT_EQ(e.south, c.south);
    EXPECT_EQ(e.north, c.north);
    EXPECT_EQ(e.west, c.west);
    EXPECT_EQ(e.east, c.east);
  }
}

// The edges come out of the order of operations written for them: lat0 first,
// then the row times the held 1/12.
TEST(SheetExtent, BitExactEdges) {
  const TSheetExtent e = SheetExtentFromLine("533945");
  const double lat0 = (53.0 * 2) / 3;
  const double twelfth = 1.0 / 12;
  EXPECT_EQ(e.south, lat0 + 4 * twelfth);
  EXPECT_EQ(e.north, lat0 + 5 * twelfth);
  EXPECT_EQ(e.north, 35.75);
}

using test::Box;

TEST(SheetTouchesBox, ClosedOnEverySide) {
  const TRunParams defaults = Box(26.056649, 26.881738, 127.619553, 128.357271);
  const TSheetExtent sheet{26.0, 26.5, 127.5, 127.625};
  const struct {
    const char* why;
    TSheetExtent extent;
    TRunParams box;
    bool touches;
  } cases[] = {
      {"392753 ends west of the box", SheetExtentFromLine("392753"), defaults, false},
      {"392754 reaches into it", SheetExtentFromLine("392754"), defaults, true},
      {"south edge on Y_max", sheet, Box(25, 26.0, 127, 128), true},
      {"north edge on Y_min", sheet, Box(26.5, 27, 127, 128), true},
      {"west edge on X_max", sheet, Box(25, 27, 127, 127.5), true},
      {"east edge on X_min", sheet, Box(25, 27, 127.625, 128), true},
      {"corner only", sheet, Box(26.5, 27, 127.625, 128), true},
      {"just north", sheet, Box(26.5000001, 27, 127, 128), false},
      {"just south", sheet, Box(25, 25.9999999, 127, 128), false},
      {"just west", sheet, Box(25, 27, 127, 127.4999999), false},
      {"just east", sheet, Box(25, 27, 127.6250001, 128), false},
      {"box inside the sheet", sheet, Box(26.1, 26.2, 127.55, 127.56), true},
      {"empty line's sheet", SheetExtentFromLine(""), Box(0, kTwelfth, 90, 100), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(SheetTouchesBox(c.extent, c.box), c.touches);
  }
}

TEST(SheetPaths, JoinedAsTyped) {
  const struct {
    std::string root, line, grid;
  } cases[] = {
      {"D:", "392754,name", "D:\\data\\3927\\392754.mem"},
      {"D:\\", "533945", "D:\\\\data\\5339\\533945.mem"},  // two backslashes stay
      {"", "3927", "\\data\\3927\\3927.mem"},
      {" E: ", "", " E: \\data\\\\.mem"},
      {"D:", "39275", "D:\\data\\3927\\39275.mem"},
      {"D:", "\x95\x5c" "27540", "D:\\data\\\x95\x5c" "27\\\x95\x5c" "2754.mem"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("root \"" + c.root + "\" line \"" + c.line + "\"");
    EXPECT_EQ(GridFilePath(c.root, c.line), c.grid);
    EXPECT_EQ(IndexFilePath(c.root), c.root + "\\zumei.csv");
  }
}

}  // namespace
}  // namespace velmora
