// The sample-disc generator: which sheets a rectangle gets, the grid file and
// index layouts, the terrain's shape and seams, the files on disk and the
// command line.
#include "tools/sample_disc/sample_disc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "support/tiny_disc.h"
#include "tools/sample_disc/fixed_text.h"
#include "tools/sample_disc/grid_file.h"
#include "tools/sample_disc/index_file.h"
#include "tools/sample_disc/sample_disc_args.h"
#include "tools/sample_disc/sheet_names.h"
#include "tools/sample_disc/terrain.h"

namespace velmora::sample_disc {
namespace {

std::vector<std::string> Codes(const std::vector<TMeshSheet>& sheets) {
  std::vector<std::string> codes;
  codes.reserve(sheets.size());
  for (const TMeshSheet& sheet : sheets) codes.push_back(SheetCode(sheet));
  return codes;
}

TMeshSheet Sheet(std::string_view code) {
  const auto digit = [&](std::size_t i) { return code[i] - '0'; };
  return {digit(0) * 10 + digit(1), digit(2) * 10 + digit(3), digit(4), digit(5)};
}

// Line `index` (0 = header) of a grid file, without its CR LF.
std::string_view GridLine(std::string_view bytes, int index) {
  return bytes.substr(kGridRecordLength * static_cast<std::size_t>(index), kGridLineLength);
}

// The value of cell (row, column), both 1-based, read back from the text.
int CellValue(std::string_view bytes, int row, int column) {
  const std::string field(
      GridLine(bytes, row).substr(9 + 5 * static_cast<std::size_t>(column - 1), 5));
  return std::atoi(field.c_str());
}

// Default rectangle 26.056649-26.881738 N, 127.619553-128.357271 E, by hand.
// Rows are 1/12-degree bands: 26.056649 × 12 = 312.68 and 26.881738 × 12 =
// 322.58, so bands 312..322; band b is latitude code b / 8, row digit b % 8:
// 39-0 .. 39-7 and 40-0 .. 40-2. Columns are 1/8-degree bands east of 100 E:
// 27.619553 × 8 = 220.96 and 28.357271 × 8 = 226.86, so bands 220..226:
// 27-4 .. 27-7 and 28-0 .. 28-2. No bound lies on a sheet edge: 11 × 7 sheets.
TEST(SampleDiscSheets, DefaultRectangle) {
  const std::vector<std::string> expected{
      "392704", "392705", "392706", "392707", "392714", "392715", "392716", "392717", "392724",
      "392725", "392726", "392727", "392734", "392735", "392736", "392737", "392744", "392745",
      "392746", "392747", "392754", "392755", "392756", "392757", "392764", "392765", "392766",
      "392767", "392774", "392775", "392776", "392777", "392800", "392801", "392802", "392810",
      "392811", "392812", "392820", "392821", "392822", "392830", "392831", "392832", "392840",
      "392841", "392842", "392850", "392851", "392852", "392860", "392861", "392862", "392870",
      "392871", "392872", "402704", "402705", "402706", "402707", "402714", "402715", "402716",
      "402717", "402724", "402725", "402726", "402727", "402800", "402801", "402802", "402810",
      "402811", "402812", "402820", "402821", "402822"};
  EXPECT_EQ(Codes(SheetsTouching(kDefaultBox)), expected);
}

// Edges are closed: a bound on a sheet edge takes the sheets on both sides.
// Multiples of 1/8 degree of longitude are exact; 26.0 is lat0 of code 39,
// and 25 1/3 + 8 × (1/12) for the top of 38-7 comes out as 26.0 too.
TEST(SampleDiscSheets, EdgesCornersAndCodeBoundaries) {
  const struct {
    const char* why;
    TGeoBox box;
    std::vector<std::string> codes;
  } cases[] = {
      {"a point inside 392754", {26.45, 26.45, 127.55, 127.55}, {"392754"}},
      {"a point on the edge 127.5 E", {26.45, 26.45, 127.5, 127.5}, {"392753", "392754"}},
      {"a corner of four sheets",
       {26.0, 26.0, 128.0, 128.0},
       {"382777", "382870", "392707", "392800"}},
      {"across latitude codes 39 and 40", {26.6, 26.7, 127.55, 127.55}, {"392774", "402704"}},
      {"across longitude codes 27 and 28", {26.45, 26.45, 127.9, 128.1}, {"392757", "392850"}},
      {"the south-west corner of the codes", {0, 0, 100, 100}, {"000000"}},
      {"the east edge of the codes", {26.45, 26.45, 200, 200}, {"399957"}},
      {"west of the codes", {26.45, 26.45, 99, 99.5}, {}},
      {"south above north", {26.5, 26.4, 127.55, 127.55}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Codes(SheetsTouching(c.box)), c.codes);
  }
}

// The benchmark rectangle 35.0-35.8333 N, 138.75-140.0 E: 35.0 is the edge
// between bands 419 (52-3) and 420 (52-4), both touching, and 35.8333 lies
// below the south edge of band 430 (53-6), so bands 419..429; 138.75 and
// 140.0 are edges too, so column bands 309 (38-5) to 320 (40-0).
TEST(SampleDiscSheets, BenchmarkRectangleTakesBothNeighboursOfItsEdges) {
  const std::vector<TMeshSheet> sheets = SheetsTouching({35.0, 35.8333, 138.75, 140.0});
  ASSERT_EQ(sheets.size(), 11U * 12U);
  EXPECT_EQ(SheetCode(sheets.front()), "523835");
  EXPECT_EQ(SheetCode(sheets.back()), "534050");
}

TEST(SampleDiscSheets, RejectsBoundsThatAreNotNumbers) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_THROW(SheetsTouching({nan, 26, 127, 128}), std::invalid_argument);
  EXPECT_THROW(SheetsTouching({26, 27, 127, inf}), std::invalid_argument);
}

TEST(SampleDiscFixedText, Fields) {
  const struct {
    int width;
    int value;
    bool zeroPadded;
    const char* text;
  } cases[] = {
      {5, -9999, false, "-9999"}, {5, 0, false, "    0"},     {5, 123, false, "  123"},
      {5, -5, false, "   -5"},    {5, 99999, false, "99999"}, {3, 7, true, "007"},
      {3, 200, true, "200"},      {2, 0, true, "00"},
  };
  for (const auto& c : cases) {
    std::string field(static_cast<std::size_t>(c.width), '#');
    if (c.zeroPadded) {
      PutZeroPadded(field, c.value);
    } else {
      PutRightAligned(field, c.value);
    }
    EXPECT_EQ(field, c.text) << c.value;
  }
  std::string five(5, '#');
  EXPECT_THROW(PutRightAligned(five, 100000), std::length_error);
  EXPECT_THROW(PutRightAligned(five, -10000), std::length_error);
  EXPECT_THROW(PutZeroPadded(five, -1), std::domain_error);
}

TEST(SampleDiscGridFile, EveryLineIs1009CharactersAndCrLf) {
  const std::string bytes = GridFileBytes(Sheet("392754"));
  ASSERT_EQ(bytes.size(), kGridRecordLength * 201);
  for (int line = 0; line <= 200; ++line) {
    const std::size_t end = kGridRecordLength * static_cast<std::size_t>(line) + kGridLineLength;
    EXPECT_EQ(bytes.substr(end, 2), "\r\n") << "line " << line;
    EXPECT_EQ(GridLine(bytes, line).find_first_of("\r\n"), std::string_view::npos) << line;
  }
}

// Header characters (1-based): 1-6 code, 7-11 "25000", 12/16/20 years,
// 24-29 "200200", 30-57 the corners as DDDMMSS, then blanks.
TEST(SampleDiscGridFile, HeaderFieldsAndCorners) {
  const struct {
    const char* code;
    const char* corners;  // south-west lat, lon; north-east lat, lon
  } cases[] = {
      // 39 × 2/3 = 26°, row 5 = +25'; 127°, column 4 = +30'; a sheet is 5' × 7'30".
      {"392754",
       "0262500"
       "1273000"
       "0263000"
       "1273730"},
      // 53 × 2/3 = 35°20', row 4 = +20'; 139°, column 5 = +37'30".
      {"533945",
       "0354000"
       "1393730"
       "0354500"
       "1394500"},
      {"000000",
       "0000000"
       "1000000"
       "0000500"
       "1000730"},
      // 99 × 2/3 = 66°, row 7 = +35'; 199°, column 7 = +52'30".
      {"999977",
       "0663500"
       "1995230"
       "0664000"
       "2000000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    const std::string bytes = GridFileBytes(Sheet(c.code));
    const std::string_view header = GridLine(bytes, 0);
    EXPECT_EQ(header.substr(0, 6), c.code);
    EXPECT_EQ(header.substr(6, 5), "25000");
    for (const std::size_t at : {11U, 15U, 19U}) {
      const std::string_view year = header.substr(at, 4);
      EXPECT_TRUE(year.starts_with("19") || year.starts_with("20")) << year;
      EXPECT_EQ(year.find_first_not_of("0123456789"), std::string_view::npos) << year;
    }
    EXPECT_EQ(header.substr(23, 6), "200200");
    EXPECT_EQ(header.substr(29, 28), c.corners);
    EXPECT_EQ(header.find_first_not_of(' ', 57), std::string_view::npos);
  }
}

// Row i (1 = north) holds the code, the row number and 200 right-aligned
// fields, west to east, each the terrain at the cell's centre.
TEST(SampleDiscGridFile, RowsHoldTheTerrainNorthToSouthWestToEast) {
  const std::string bytes = GridFileBytes(Sheet("392754"));
  const double west = 127.5;
  const double north = 26.0 + 6 * (1.0 / 12);
  const double dlon = 0.000625;
  const double dlat = 1.0 / 2400;
  int mismatches = 0;
  for (int row = 1; row <= kGridRows; ++row) {
    const std::string_view line = GridLine(bytes, row);
    ASSERT_EQ(line.substr(0, 6), "392754");
    std::string number = std::to_string(row);
    number.insert(0, 3 - number.size(), '0');
    ASSERT_EQ(line.substr(6, 3), number);
    const double y = (north - dlat * (row - 1)) - dlat / 2;
    for (int column = 1; column <= kGridColumns; ++column) {
      const double x = (west + dlon * (column - 1)) + dlon / 2;
      const std::string_view field = line.substr(9 + 5 * static_cast<std::size_t>(column - 1), 5);
      const std::size_t digits = field.find_first_not_of(' ');
      const bool rightAligned =
          digits != std::string_view::npos && field.find(' ', digits) == std::string_view::npos;
      if (!rightAligned || CellValue(bytes, row, column) != ElevationTenths(x, y)) ++mismatches;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

// Over the default rectangle: open sea, a shore band of -0.1 to -5.0 m, land
// up to some hundreds of metres, and nothing that would not fit a field.
TEST(SampleDiscTerrain, IslandsInASea) {
  int sea = 0, shore = 0, land = 0, highest = 0;
  for (const TMeshSheet& sheet : SheetsTouching(kDefaultBox)) {
    const TGeoBox edges = SheetEdges(sheet);
    for (int i = 0; i < 200; i += 4) {
      for (int j = 0; j < 200; j += 4) {
        const int value = ElevationTenths(edges.west + j * 0.000625, edges.north - i / 2400.0);
        if (value == kNoDataTenths) {
          ++sea;
        } else {
          ASSERT_GE(value, -50);
          ASSERT_LE(value, 7300);
          ++(value < 0 ? shore : land);
          highest = std::max(highest, value);
        }
      }
    }
  }
  EXPECT_GT(sea, land / 4);
  EXPECT_GT(land, sea / 4);
  EXPECT_GT(shore, 0);
  EXPECT_GT(highest, 2000);  // 200 m
}

// Along the edge two sheets share, the cells on either side differ no more
// than neighbouring cells inside a sheet do: the terrain knows no sheets.
TEST(SampleDiscTerrain, ContinuousAcrossSheetEdges) {
  const struct {
    const char* first;   // north or west
    const char* second;  // south or east
    bool northSouth;
  } cases[] = {
      {"392764", "392754", true},
      {"402704", "392774", true},  // across latitude codes
      {"392765", "392766", false},
      {"392707", "392800", false},  // across longitude codes
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.first) + " / " + c.second);
    const std::string a = GridFileBytes(Sheet(c.first));
    const std::string b = GridFileBytes(Sheet(c.second));
    int interiorStep = 0;
    int seamStep = 0;
    int landPairs = 0;
    const auto step = [](int p, int q) {
      return p == kNoDataTenths || q == kNoDataTenths ? -1 : std::abs(p - q);
    };
    for (int k = 1; k <= 200; ++k) {
      for (int inner = 1; inner < 200; ++inner) {
        const int s = c.northSouth ? step(CellValue(a, inner, k), CellValue(a, inner + 1, k))
                                   : step(CellValue(a, k, inner), CellValue(a, k, inner + 1));
        interiorStep = std::max(interiorStep, s);
      }
      const int s = c.northSouth ? step(CellValue(a, 200, k), CellValue(b, 1, k))
                                 : step(CellValue(a, k, 200), CellValue(b, k, 1));
      if (s >= 0) ++landPairs;
      seamStep = std::max(seamStep, s);
    }
    EXPECT_GE(landPairs, 20);
    EXPECT_LE(seamStep, interiorStep);
  }
}

// Well-formed CP932: ASCII 0x20-0x7E, half-width katakana 0xA1-0xDF, or a
// lead byte 0x81-0x9F / 0xE0-0xFC and a trail byte 0x40-0x7E / 0x80-0xFC.
struct TCp932Scan {
  bool wellFormed = true;
  bool trail5C = false;
  bool halfWidth = false;
};
TCp932Scan ScanCp932(std::string_view text) {
  TCp932Scan scan;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x20 && byte <= 0x7E) continue;
    if (byte >= 0xA1 && byte <= 0xDF) {
      scan.halfWidth = true;
      continue;
    }
    const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    const auto trail = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (!lead || trail < 0x40 || trail == 0x7F || trail > 0xFC) scan.wellFormed = false;
    scan.trail5C = scan.trail5C || trail == 0x5C;
    ++i;
  }
  return scan;
}

TEST(SampleDiscNames, WellFormedCp932WithoutSeparators) {
  for (const TMeshSheet& sheet : SheetsTouching({24, 26.6, 124, 127.9})) {
    const std::string_view name = SheetName(sheet);
    SCOPED_TRACE(SheetCode(sheet));
    EXPECT_FALSE(name.empty());
    EXPECT_TRUE(ScanCp932(name).wellFormed);
    EXPECT_EQ(name.find_first_of(",\r\n"), std::string_view::npos);
  }
}

TEST(SampleDiscIndex, OneCrLfLinePerSheetInOrder) {
  const std::vector<TMeshSheet> sheets = SheetsTouching(kDefaultBox);
  const std::string bytes = IndexFileBytes(sheets);
  std::size_t at = 0;
  bool trail5C = false;
  bool halfWidth = false;
  for (const TMeshSheet& sheet : sheets) {
    const std::size_t end = bytes.find("\r\n", at);
    ASSERT_NE(end, std::string::npos);
    const std::string_view line = std::string_view(bytes).substr(at, end - at);
    EXPECT_EQ(line.substr(0, 7), SheetCode(sheet) + ",");
    EXPECT_EQ(line.substr(7), SheetName(sheet));
    EXPECT_EQ(line.find('\n'), std::string_view::npos);
    const TCp932Scan scan = ScanCp932(line.substr(7));
    trail5C = trail5C || scan.trail5C;
    halfWidth = halfWidth || scan.halfWidth;
    at = end + 2;
  }
  EXPECT_EQ(at, bytes.size());
  // The default disc carries the names that trip a byte-wise reader.
  EXPECT_TRUE(trail5C);
  EXPECT_TRUE(halfWidth);
}

TEST(WriteSampleDisc, WritesTheIndexAndOneGridFilePerSheet) {
  const test::TTempFolder folder;
  const std::filesystem::path root = folder.path() / "new" / "disc";
  const std::vector<TMeshSheet> sheets = WriteSampleDisc(root, {26.45, 26.45, 127.5, 127.5});
  ASSERT_EQ(Codes(sheets), (std::vector<std::string>{"392753", "392754"}));
  EXPECT_EQ(test::ReadFile(root / "zumei.csv"), IndexFileBytes(sheets));
  EXPECT_EQ(test::ReadFile(root / "data" / "3927" / "392753.mem"), GridFileBytes(sheets[0]));
  EXPECT_EQ(test::ReadFile(root / "data" / "3927" / "392754.mem"), GridFileBytes(sheets[1]));
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    files += entry.is_regular_file() ? 1 : 0;
  }
  EXPECT_EQ(files, 3);
}

TEST(WriteSampleDisc, SameBytesEveryTime) {
  const test::TTempFolder one;
  const test::TTempFolder two;
  const TGeoBox fourSheets{25.99, 26.01, 127.99, 128.01};
  WriteSampleDisc(one.path(), fourSheets);
  WriteSampleDisc(two.path(), fourSheets);
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(one.path())) {
    if (!entry.is_regular_file()) continue;
    const std::filesystem::path relative = entry.path().lexically_relative(one.path());
    EXPECT_TRUE(test::ReadFile(entry.path()) == test::ReadFile(two.path() / relative)) << relative;
    ++files;
  }
  EXPECT_EQ(files, 5);  // four grid files and the index
}

TEST(WriteSampleDisc, FailuresNameThePath) {
  const test::TTempFolder folder;
  test::WriteFile(folder.path() / "plain", "x");
  EXPECT_THROW(WriteSampleDisc(folder.path() / "plain" / "disc", kDefaultBox), std::runtime_error);

  const std::filesystem::path blocked = folder.path() / "data" / "3927" / "392754.mem";
  std::filesystem::create_directories(blocked);
  try {
    WriteSampleDisc(folder.path(), {26.45, 26.45, 127.55, 127.55});
    FAIL() << "no failure";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find(blocked.string()), std::string::npos) << error.what();
  }
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "zumei.csv"));
}

TEST(SampleDiscArguments, Runs) {
  const struct {
    std::vector<std::string> args;
    TGeoBox box;
  } cases[] = {
      {{"out"}, kDefaultBox},
      {{"out", "--south", "35", "--north", "35.8333", "--west", "138.75", "--east", "140"},
       {35, 35.8333, 138.75, 140}},
      {{"--east=128", "out", "--west=1.275e2"}, {kDefaultBox.south, kDefaultBox.north, 127.5, 128}},
  };
  for (const auto& c : cases) {
    const TSampleDiscCommand command = ParseSampleDiscArguments(c.args);
    const auto* run = std::get_if<TSampleDiscRun>(&command);
    ASSERT_NE(run, nullptr) << c.args.size();
    EXPECT_EQ(run->folder, "out");
    EXPECT_EQ(run->box.south, c.box.south);
    EXPECT_EQ(run->box.north, c.box.north);
    EXPECT_EQ(run->box.west, c.box.west);
    EXPECT_EQ(run->box.east, c.box.east);
  }
  EXPECT_TRUE(std::holds_alternative<TSampleDiscHelp>(ParseSampleDiscArguments({"--help"})));
}

TEST(SampleDiscArguments, UsageErrors) {
  const struct {
    std::vector<std::string> args;
    const char* reason;
  } cases[] = {
      {{}, "no folder given"},
      {{"a", "b"}, "more than one folder given: b"},
      {{""}, "the folder name is empty"},
      {{"out", "--top", "3"}, "unknown option --top"},
      {{"out", "--south"}, "--south needs a value"},
      {{"out", "--south", "26", "--south=26"}, "--south given twice"},
      {{"out", "--west", "127,5"}, "--west: not a number: \"127,5\""},
      {{"out", "--west", " 127"}, "--west: not a number: \" 127\""},
      {{"out", "--north=inf"}, "--north: not a number: \"inf\""},
      {{"out", "--south", "27"}, "the south bound lies north of the north bound"},
      {{"out", "--west", "129"}, "the west bound lies east of the east bound"},
      {{"out", "--east", "200.5"},
       "the rectangle must lie within 0 to 66 2/3 degrees north and 100 to 200 degrees east, "
       "where mesh codes exist"},
  };
  for (const auto& c : cases) {
    const TSampleDiscCommand command = ParseSampleDiscArguments(c.args);
    const auto* error = std::get_if<TSampleDiscUsageError>(&command);
    ASSERT_NE(error, nullptr) << c.reason;
    EXPECT_EQ(error->reason, c.reason);
  }
}

}  // namespace
}  // namespace velmora::sample_disc
