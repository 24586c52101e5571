// GDAL as an outside reader of the same disc and of our files. A generated
// disc of four sheets (2 x 2, land and sea) is converted to x,y,z TEXT and
// compared with GDAL's own reading of the grid files (JDEM driver, no-data
// -999.9, mosaic through gdalbuildvrt, written by gdal_translate as XYZ):
// the same cells, the same centres and the same elevations to the decimal we
// write. GDAL goes row by row across the mosaic and we go sheet by sheet, so
// the cells are compared as sets. Then OGR opens our Region MIF/MID: one
// feature per GDAL cell, and chosen features are squares of GDAL's cells with
// their elevations.
// (OGR cannot read the Point layout, whose coordinates stand on the line
// after "Point ".)
//
// Skipped where gdal-bin is missing, unless VELMORA_REQUIRE_GDAL is set (CI).
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "run/conversion.h"
#include "run/messages.h"
#include "run/run_log.h"
#include "source/sheet_grid.h"
#include "support/tiny_disc.h"
#include "tools/sample_disc/sample_disc.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

bool HaveGdal() {
  return std::system("command -v gdalbuildvrt gdal_translate ogrinfo >/dev/null 2>&1") == 0;
}

// Runs a shell command; true when it succeeds.
bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

double Number(std::string_view text) {
  const std::string trimmed = Trimmed(text);
  double value = 0;
  const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
  EXPECT_TRUE(error == std::errc() && end == trimmed.data() + trimmed.size()) << text;
  return value;
}

std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = line.find(separator, start)) != std::string::npos; start = at + 1)
    parts.push_back(line.substr(start, at - start));
  parts.push_back(line.substr(start));
  return parts;
}

class TLastLine final : public TRunLog {
 public:
  void Add(std::string_view line) override { last = line; }
  std::string last;
};

// The run's rectangle, inside the four sheets 533901, 533902, 533911 and
// 533912 (35.3333-35.5 N, 139.125-139.375 E) and at least a tenth of a cell
// away from every centre, so that a centre GDAL prints with 7 decimals falls
// on the same side of each bound as the exact one.
constexpr double kSouth = 35.3512, kNorth = 35.4871, kWest = 139.1423, kEast = 139.3561;

// (longitude text, latitude text) -> elevation in tenths of a metre.
using TCells = std::map<std::pair<std::string, std::string>, long>;

class GdalCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveGdal()) {
      if (std::getenv("VELMORA_REQUIRE_GDAL") != nullptr)
        FAIL() << "VELMORA_REQUIRE_GDAL is set but gdalbuildvrt, gdal_translate or ogrinfo "
                  "is missing";
      GTEST_SKIP() << "gdal-bin is not installed (gdalbuildvrt, gdal_translate, ogrinfo)";
    }
    sample_disc::WriteSampleDisc(disc(), {35.34, 35.49, 139.13, 139.37});
    for (const auto& entry : fs::recursive_directory_iterator(disc() / "data"))
      if (entry.path().extension() == ".mem") grids_.push_back(entry.path());
    ASSERT_EQ(grids_.size(), 4u);
  }

  fs::path disc() const { return folder_.path() / "disc"; }

  // Converts the disc to `base`.mif/.mid or .txt; true when the run completed.
  bool Convert(TOutputFormat format, const fs::path& base) const {
    TRunRequest request;
    request.dataRoot = disc().string();
    request.baseName = base.string();
    request.Y_min = "35.3512";
    request.Y_max = "35.4871";
    request.X_min = "139.1423";
    request.X_max = "139.3561";
    request.format = format;
    TLastLine log;
    RunConversion(request, log);
    return log.last == messages::kRunFinished;
  }

  // GDAL's reading of the grids: every cell with data whose centre, as GDAL
  // prints it, lies in the rectangle.
  TCells GdalCells() const {
    const fs::path vrt = folder_.path() / "mosaic.vrt", xyz = folder_.path() / "gdal.xyz";
    std::string build = "gdalbuildvrt -q -srcnodata -999.9 -vrtnodata -999.9 " + Quoted(vrt);
    for (const fs::path& grid : grids_) build += " " + Quoted(grid);
    EXPECT_TRUE(Shell(build));
    EXPECT_TRUE(Shell("gdal_translate -q -of XYZ -co COLUMN_SEPARATOR=, -co DECIMAL_PRECISION=7 " +
                      Quoted(vrt) + " " + Quoted(xyz)));
    TCells cells;
    std::size_t noData = 0;
    for (const std::string& line : Lines(test::ReadFile(xyz))) {
      const std::vector<std::string> f = Split(line, ',');
      EXPECT_EQ(f.size(), 3u) << line;
      if (f.size() != 3) break;
      const double x = Number(f[0]), y = Number(f[1]), z = Number(f[2]);
      if (std::fabs(z + 999.9) < 0.001) {  // -999.9 as a 32-bit float
        ++noData;
        continue;
      }
      if (y < kSouth || y > kNorth || x < kWest || x >= kEast) continue;
      cells.emplace(std::pair{f[0], f[1]}, std::lround(z * 10));
    }
    EXPECT_GT(noData, 0u) << "the disc should hold sea";
    EXPECT_GT(cells.size(), 10'000u);
    return cells;
  }

  test::TTempFolder folder_;
  std::vector<fs::path> grids_;
};

TEST_F(GdalCheckTest, XyzMatchesGdalReadingOfTheGrids) {
  const fs::path ours = folder_.path() / "ours";
  ASSERT_TRUE(Convert(TOutputFormat::ofXyzText, ours));
  TCells velmora;
  for (const std::string& line : Lines(test::ReadFile(ours.string() + ".txt"))) {
    const std::vector<std::string> f = Split(line, ',');
    ASSERT_EQ(f.size(), 3u) << line;
    const bool inserted =
        velmora.emplace(std::pair{Trimmed(f[0]), Trimmed(f[1])}, std::lround(Number(f[2]) * 10))
            .second;
    ASSERT_TRUE(inserted) << "cell written twice: " << line;
  }

  const TCells gdal = GdalCells();
  ASSERT_FALSE(HasFailure());
  EXPECT_EQ(velmora.size(), gdal.size());
  std::size_t shown = 0;
  for (const auto& [centre, tenths] : gdal) {
    const auto found = velmora.find(centre);
    if (found == velmora.end()) {
      ADD_FAILURE() << "GDAL has " << centre.first << "," << centre.second << ", we do not";
    } else if (found->second != tenths) {
      ADD_FAILURE() << centre.first << "," << centre.second << ": GDAL " << tenths << " tenths, we "
                    << found->second;
    } else {
      continue;
    }
    if (++shown == 10) break;
  }
  for (const auto& [centre, tenths] : velmora)
    if (!gdal.contains(centre) && shown++ < 10)
      ADD_FAILURE() << "we have " << centre.first << "," << centre.second << ", GDAL does not";
}

// The vertices of the first polygon ogrinfo prints, and the value of `h`.
struct TFeature {
  std::vector<std::pair<double, double>> vertices;
  std::string h;
};

TFeature FirstFeature(const std::string& report) {
  TFeature feature;
  for (const std::string& line : Lines(report)) {
    const std::string text = Trimmed(line);
    if (text.starts_with("h (") && feature.h.empty())
      feature.h = Trimmed(text.substr(text.find('=') + 1));
    if (!text.starts_with("POLYGON ((") || !feature.vertices.empty()) continue;
    const std::string inner = text.substr(10, text.find("))") - 10);
    for (const std::string& vertex : Split(inner, ',')) {
      const std::vector<std::string> xy = Split(Trimmed(vertex), ' ');
      if (xy.size() == 2) feature.vertices.emplace_back(Number(xy[0]), Number(xy[1]));
    }
  }
  return feature;
}

// The elevation GDAL gives the cell whose centre it prints within 1.5 · 10^-7
// of (x, y) (both sides rounded to 7 decimals; centres lie 4 · 10^-4 apart);
// nothing when it has none.
std::optional<long> GdalTenthsAt(const TCells& gdal, double x, double y) {
  for (const auto& [centre, tenths] : gdal)
    if (std::fabs(Number(centre.first) - x) < 1.5e-7 &&
        std::fabs(Number(centre.second) - y) < 1.5e-7)
      return tenths;
  return std::nullopt;
}

TEST_F(GdalCheckTest, OgrReadsOurRegionsAsGdalsCells) {
  const fs::path ours = folder_.path() / "regions";
  ASSERT_TRUE(Convert(TOutputFormat::ofRegionMif, ours));
  const TCells gdal = GdalCells();
  ASSERT_FALSE(HasFailure());
  const std::string mif = ours.string() + ".mif";
  const std::vector<std::string> lines = Lines(test::ReadFile(mif));

  const fs::path summary = folder_.path() / "summary.txt";
  ASSERT_TRUE(Shell("ogrinfo -ro -al -so " + Quoted(mif) + " > " + Quoted(summary)));
  EXPECT_NE(test::ReadFile(summary).find("Feature Count: " + std::to_string(gdal.size())),
            std::string::npos)
      << test::ReadFile(summary);

  // Features counted from 1 by OGR: the first, one inside, the last.
  for (const std::size_t n : {std::size_t{1}, std::size_t{1000}, gdal.size()}) {
    SCOPED_TRACE("feature " + std::to_string(n));
    const fs::path report = folder_.path() / "feature.txt";
    ASSERT_TRUE(Shell("ogrinfo -ro -al -q -fid " + std::to_string(n) + " " + Quoted(mif) + " > " +
                      Quoted(report)));
    const TFeature feature = FirstFeature(test::ReadFile(report));
    ASSERT_EQ(feature.vertices.size(), 5u) << test::ReadFile(report);

    // OGR reads the corners we wrote (nine lines per region after the header).
    const std::size_t first = 8 + (n - 1) * 9;
    ASSERT_EQ(lines.at(first), "Region  1");
    for (std::size_t k = 0; k < 5; ++k) {
      const std::string& corner = lines.at(first + 2 + k);
      EXPECT_NEAR(feature.vertices[k].first, Number(corner.substr(0, 12)), 1e-9) << k;
      EXPECT_NEAR(feature.vertices[k].second, Number(corner.substr(12)), 1e-9) << k;
    }
    // The square is one of GDAL's cells, south-west corner first and
    // counter-clockwise, and carries that cell's elevation.
    const auto [west, south] = feature.vertices[0];
    const auto [east, north] = feature.vertices[2];
    // Corners are written to 7 decimals: a side is the cell's to within 10^-7.
    EXPECT_NEAR(east - west, dlon, 1.01e-7);
    EXPECT_NEAR(north - south, dlat, 1.01e-7);
    const std::vector<std::pair<double, double>> square = {
        {west, south}, {east, south}, {east, north}, {west, north}, {west, south}};
    for (std::size_t k = 0; k < 5; ++k) {
      EXPECT_NEAR(feature.vertices[k].first, square[k].first, 1e-9) << k;
      EXPECT_NEAR(feature.vertices[k].second, square[k].second, 1e-9) << k;
    }
    const std::optional<long> tenths = GdalTenthsAt(gdal, (west + east) / 2, (south + north) / 2);
    ASSERT_TRUE(tenths.has_value()) << "no GDAL cell at the square's centre";
    EXPECT_EQ(std::lround(Number(feature.h) * 10), *tenths) << test::ReadFile(report);
  }
}

}  // namespace
}  // namespace velmora
