// Whole runs over discs that break the usual layout: index files with odd line
// ends, byte 26 in the middle or one line of 100 MB; grid files that are
// empty, random bytes, binary zeros, or hold a number too large to hold.
// Every run ends normally or with the failure of its cause, and what it writes
// is what the reading rules make of the bytes; nothing crashes, nothing is
// silently dropped.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "run/conversion.h"
#include "run/messages.h"
#include "run/run_failure.h"
#include "support/failing_file_ops.h"
#include "support/line_log.h"
#include "support/run_failure_check.h"
#include "support/tiny_disc.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

using test::TLineLog;

struct RunResult {
  std::vector<std::string> log;
  std::optional<ERunFailure> failure;
};

std::vector<std::string> SplitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t end = bytes.find("\r\n", pos);
    lines.push_back(bytes.substr(pos, end - pos));
    pos = end == std::string::npos ? bytes.size() : end + 2;
  }
  return lines;
}

// The two sheets 392754 and 392755, every cell with a value of its own.
std::string Cell(int row, int column) { return std::to_string(row * 211 + column * 3); }

class HostileDiscTest : public ::testing::Test {
 protected:
  void SetUp() override { test::WriteDisc(disc_.path(), {"392754", "392755"}, Cell); }

  // The northern 24 rows of both sheets; all 200 columns of 392754 and the
  // western 120 of 392755 (4800 + 2880 cells).
  TRunRequest Request(TOutputFormat format) const {
    TRunRequest r;
    r.dataRoot = disc_.str();
    r.baseName = (out_.path() / "out").string();
    r.Y_min = "26.49";
    r.Y_max = "26.5";
    r.X_min = "127.5";
    r.X_max = "127.7";
    r.format = format;
    return r;
  }

  void WriteIndex(const std::string& bytes) const {
    test::WriteFile(disc_.path() / "zumei.csv", bytes);
  }
  void WriteGrid(const std::string& code, const std::string& bytes) const {
    test::WriteFile(disc_.path() / "data" / code.substr(0, 4) / (code + ".mem"), bytes);
  }

  RunResult Run(TOutputFormat format = TOutputFormat::ofXyzText) const {
    TLineLog log;
    RunResult result;
    const std::size_t descriptors = test::ProcessOpenDescriptors();
    try {
      RunConversion(Request(format), log);
    } catch (const ERunFailure& failure) {
      result.failure = failure;
    }
    EXPECT_EQ(test::ProcessOpenDescriptors(), descriptors);
    result.log = std::move(log.lines);
    return result;
  }

  std::string Out(const std::string& extension) const {
    return test::ReadFile(out_.path() / ("out" + extension));
  }

  // The .txt of a run whose index names the one sheet `code`.
  std::string TxtOfSheet(const std::string& code) const {
    WriteIndex(code + "\r\n");
    const RunResult r = Run();
    EXPECT_FALSE(r.failure);
    return Out(".txt");
  }

  std::string IndexPath() const { return disc_.str() + "\\zumei.csv"; }
  std::vector<std::string> Log(std::vector<std::string> sheets, bool finished = true) const {
    sheets.insert(sheets.begin(), IndexPath());
    if (finished) sheets.emplace_back(messages::kRunFinished);
    return sheets;
  }

  test::TTempFolder disc_, out_;
};

// What the reading rules make of line ends and byte 26: the lines logged,
// and the sheets whose cells are written, in that order.
TEST_F(HostileDiscTest, IndexLineEnds) {
  const std::string first = TxtOfSheet("392754"), second = TxtOfSheet("392755");
  const struct {
    const char* why;
    std::string index;
    std::vector<std::string> sheetLines;
    std::string txt;
  } cases[] = {
      {"carriage returns alone end lines",
       "392754,a\r392755,b\r",
       {"392754,a", "392755,b"},
       first + second},
      {"byte 26 ends the walk after the line that holds it",
       "392754,a\r\n392755,b\x1a"
       "392754,c\r\n392755\r\n",
       {"392754,a", "392755,b"},
       first + second},
      {"byte 26 at the start of a line ends the walk before it",
       "392755,b\r\n\x1a"
       "392754,a\r\n",
       {"392755,b"},
       second},
      {"line feeds alone: one line, whose sheet is not selected, hides a selected one",
       "533945,far\n392754,a\n",
       {},
       ""},
      {"a line feed stays in the line it ends",
       "392755,b\n\r392754",
       {"392755,b\n", "392754"},
       second + first},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    WriteIndex(c.index);
    const RunResult r = Run();
    EXPECT_FALSE(r.failure);
    EXPECT_EQ(r.log, Log(c.sheetLines));
    EXPECT_EQ(Out(".txt"), c.txt);
  }
}

// One index line of 100 MB is read, logged and walked past like any other.
TEST_F(HostileDiscTest, HundredMegabyteIndexLine) {
  const std::string first = TxtOfSheet("392754"), second = TxtOfSheet("392755");
  std::string longLine = "392755,";
  longLine.append(100u << 20, 'x');
  WriteIndex(longLine + "\r\n392754,after\r\n");
  const RunResult r = Run();
  EXPECT_FALSE(r.failure);
  ASSERT_EQ(r.log.size(), 4u);
  EXPECT_TRUE(r.log[1] == longLine) << "logged " << r.log[1].size() << " bytes";
  EXPECT_EQ(r.log[2], "392754,after");
  EXPECT_EQ(Out(".txt"), second + first);
}

// Grid files with no usable text keep every cell of the rectangle: all of it
// empty texts (h 0.0), or zeros, which stop a cell's number where they stand.
TEST_F(HostileDiscTest, EmptyAndZeroGrids) {
  const auto reference = SplitCrLf(TxtOfSheet("392754"));
  ASSERT_EQ(reference.size(), 4800u);

  std::string zeros(std::string(9, '\0') + "12" + std::string(3, '\0') +
                    std::string(5 * 199, '\0'));
  std::string zeroGrid = std::string(4, '\0') + "\r\n";
  for (int row = 0; row < 200; ++row) zeroGrid += zeros + "\r\n";
  const struct {
    const char* why;
    std::string grid;
    const char* westH;  // the elevation field of each row's westernmost cell
  } cases[] = {
      {"empty file", "", "   0.0"},
      {"binary zeros: \"12\" then zeros is 12, zeros alone are 0", zeroGrid, "   1.2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    WriteGrid("392754", c.grid);
    const RunResult r = Run();
    ASSERT_FALSE(r.failure);
    const auto lines = SplitCrLf(Out(".txt"));
    ASSERT_EQ(lines.size(), reference.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      // The same cells as the numbered grid, at the same places.
      ASSERT_EQ(lines[i].substr(0, 26), reference[i].substr(0, 26)) << "line " << i;
      ASSERT_EQ(lines[i].substr(26), i % 200 == 0 ? c.westH : "   0.0") << "line " << i;
    }
  }
}

// Random bytes: every cell of the rectangle comes out at its place with a
// finite elevation, and the three formats agree on every elevation.
TEST_F(HostileDiscTest, RandomBytesGrid) {
  const auto reference = SplitCrLf(TxtOfSheet("392754"));
  const unsigned seed = 20240611;
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  std::string grid(250000, '\0');
  for (char& byte : grid) byte = static_cast<char>(random());
  WriteGrid("392754", grid);

  ASSERT_FALSE(Run().failure);
  const auto lines = SplitCrLf(Out(".txt"));
  ASSERT_EQ(lines.size(), reference.size());
  std::vector<std::string> elevations;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    ASSERT_EQ(lines[i].substr(0, 26), reference[i].substr(0, 26)) << "line " << i;
    elevations.push_back(lines[i].substr(26));
    char* end = nullptr;
    const double h = std::strtod(elevations.back().c_str(), &end);
    ASSERT_TRUE(*end == '\0' && std::isfinite(h) && elevations.back().size() >= 6)
        << "line " << i << ": " << lines[i];
  }
  for (const auto format : {TOutputFormat::ofPointMif, TOutputFormat::ofRegionMif}) {
    ASSERT_FALSE(Run(format).failure);
    EXPECT_EQ(SplitCrLf(Out(".mid")), elevations);
  }
}

// A cell text too large to hold ends the run wherever its row is read: also
// west or east of the rectangle, since every cell of a row that lies in the
// latitude range is converted; a row outside that range is not converted.
TEST_F(HostileDiscTest, OverflowingCellText) {
  WriteIndex("392754,a\r\n392755,b\r\n");
  const struct {
    const char* why;
    int row, column;
    bool fails;
  } cases[] = {
      {"inside the rectangle", 1, 1, true},
      {"east of the rectangle, in a row that is read", 24, 150, true},
      {"south of the rectangle", 25, 1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    WriteGrid("392755", test::GridFileBytes("392755", [&](int row, int column) {
                return row == c.row && column == c.column ? "9e99" : Cell(row, column);
              }));
    const RunResult r = Run(TOutputFormat::ofPointMif);
    if (c.fails) {
      ASSERT_TRUE(r.failure);
      EXPECT_EQ(r.failure->code(), 0);
      EXPECT_EQ(r.failure->message(), messages::kFloatOverflow);
      EXPECT_EQ(r.log, Log({"392754,a"}, false));
    } else {
      EXPECT_FALSE(r.failure);
      EXPECT_EQ(r.log, Log({"392754,a", "392755,b"}));
    }
  }
}

}  // namespace
}  // namespace velmora
