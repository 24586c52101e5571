// Whole runs in process: the order of log lines, the files made, and how each
// kind of failure ends a run.
#include "run/conversion.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "host/cp932.h"
#include "support/failing_file_ops.h"
#include "support/line_log.h"
#include "support/run_failure_check.h"
#include "support/tiny_disc.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

using test::TLineLog;

const std::string kShuri = "392754,\x8e\xf1\x97\xa2";  // 392754,首里
const std::string kEast = "392755,\x93\x8c";           // 392755,東
const std::string kFinished =
    "\x8f\x88\x97\x9d\x8fI\x97\xb9\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81"
    "B";

std::string Cell(int row, int column) {
  if (column == 200 && row % 7 == 0) return "-9999";
  return std::to_string((row * 37 + column * 11) % 3000 - 50);
}

class ConversionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    fs::current_path(out_.path());
  }
  void TearDown() override { fs::current_path(previous_); }

  TRunRequest Request(std::optional<TOutputFormat> format) const {
    TRunRequest r;
    r.dataRoot = disc_.str();
    r.baseName = "out";
    r.Y_min = "26.056649";
    r.Y_max = "26.881738";
    r.X_min = "127.619553";
    r.X_max = "128.357271";
    r.format = format;
    return r;
  }
  std::string IndexPath() const { return disc_.str() + "\\zumei.csv"; }
  std::string Out(const std::string& name) const { return test::ReadFile(out_.path() / name); }
  std::size_t Lines(const std::string& name) const {
    const std::string bytes = Out(name);
    return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
  }

  test::TTempFolder disc_, out_;
  fs::path previous_;
  TLineLog log_;
};

constexpr std::size_t kHeaderBytes = 113;

TEST_F(ConversionTest, CompleteRunsInEveryFormat) {
  test::WriteDisc(disc_.path(), {"392753,west", kShuri, kEast}, Cell);
  fs::remove(disc_.path() / "data" / "3927" / "392753.mem");  // not selected: never opened

  RunConversion(Request(TOutputFormat::ofXyzText), log_);
  const std::vector<std::string> expectedLog = {IndexPath(), kShuri, kEast, kFinished};
  EXPECT_EQ(log_.lines, expectedLog);
  // 392754 keeps cells 192..200 of each row; 392755 the whole sheet; less no-data.
  const std::size_t cells = 200 * 9 - 28 + 200 * 200 - 28;
  EXPECT_EQ(Lines("out.txt"), cells);
  EXPECT_EQ(Out("out.txt").substr(0, 34), " 127.6196875,  26.4997917, 209.9\r\n");

  RunConversion(Request(TOutputFormat::ofPointMif), log_);
  EXPECT_EQ(Lines("out.mid"), cells);
  EXPECT_EQ(Lines("out.mif"), 8 + 3 * cells);
  RunConversion(Request(TOutputFormat::ofRegionMif), log_);
  EXPECT_EQ(Lines("out.mid"), cells);
  EXPECT_EQ(Lines("out.mif"), 8 + 9 * cells);
  EXPECT_EQ(Out("out.mif").substr(kHeaderBytes, 11), "Region  1\r\n");
  EXPECT_EQ(log_.lines.size(), 12u);  // the lines of all three runs
}

TEST_F(ConversionTest, ValidationMessageTouchesNoFile) {
  test::WriteFile(out_.path() / "out.txt", "keep me");
  RunConversion(Request(std::nullopt), log_);
  EXPECT_EQ(log_.lines, std::vector<std::string>{Utf8ToCp932("出力形式を選んでください").value()});
  EXPECT_EQ(Out("out.txt"), "keep me");
  EXPECT_FALSE(fs::exists(out_.path() / "out.mif"));
}

// Nothing selected: the header alone and an empty .mid, or an empty .txt.
// An empty index is one empty line, whose sheet lies far from the box.
TEST_F(ConversionTest, NothingSelected) {
  for (const std::string& index : {std::string("533945,far\r\n"), std::string()}) {
    test::WriteFile(disc_.path() / "zumei.csv", index);
    log_.lines.clear();
    RunConversion(Request(TOutputFormat::ofPointMif), log_);
    EXPECT_EQ(log_.lines, (std::vector<std::string>{IndexPath(), kFinished}));
    EXPECT_EQ(Out("out.mif").size(), kHeaderBytes);
    EXPECT_EQ(Out("out.mid"), "");
    RunConversion(Request(TOutputFormat::ofXyzText), log_);
    EXPECT_EQ(Out("out.txt"), "");
  }
}

// Selected for its shared edge only: opened, read through, logged, no cell.
// A sheet listed twice is read and written twice.
TEST_F(ConversionTest, EdgeSheetsAndRepeatedSheets) {
  test::WriteDisc(disc_.path(), {kShuri, kShuri}, Cell);
  TRunRequest r = Request(TOutputFormat::ofXyzText);
  r.Y_min = "26.5";
  r.Y_max = "27";
  RunConversion(r, log_);
  EXPECT_EQ(log_.lines, (std::vector<std::string>{IndexPath(), kShuri, kShuri, kFinished}));
  EXPECT_EQ(Out("out.txt"), "");

  r = Request(TOutputFormat::ofXyzText);
  RunConversion(r, log_);
  const std::string once =
      test::ReadFile(out_.path() / "out.txt").substr(0, Lines("out.txt") / 2 * 34);
  EXPECT_EQ(Out("out.txt"), once + once);
}

// An index whose lines end in LF alone is one line: its first code is used and
// the whole file is logged as that sheet's line.
TEST_F(ConversionTest, LoneLineFeedIndexIsOneLine) {
  test::WriteDisc(disc_.path(), {kShuri}, Cell);
  const std::string index = kShuri + "\n" + kEast + "\n";
  test::WriteFile(disc_.path() / "zumei.csv", index);
  RunConversion(Request(TOutputFormat::ofXyzText), log_);
  EXPECT_EQ(log_.lines, (std::vector<std::string>{IndexPath(), index, kFinished}));
}

struct FailureCase {
  std::string why;
  std::function<void(const fs::path& disc, const fs::path& out)> arrange;
  std::string baseName;
  int code;
  std::string message;
  std::size_t logLines;  // lines appended before the failure
};

TEST_F(ConversionTest, FailuresEndTheRun) {
  const std::vector<FailureCase> cases = {
      {"missing index", [](auto& d, auto&) { fs::remove(d / "zumei.csv"); }, "out", 2,
       "ﾌｧｲﾙが見つかりません", 1},
      {"missing grid file", [](auto& d, auto&) { fs::remove(d / "data/3927/392755.mem"); }, "out",
       2, "ﾌｧｲﾙが見つかりません", 2},
      {"missing grid folder", [](auto& d, auto&) { fs::remove_all(d / "data"); }, "out", 3,
       "不正なﾌｧｲﾙ名です", 1},
      {"grid path is a folder",
       [](auto& d, auto&) {
         fs::remove(d / "data/3927/392755.mem");
         fs::create_directory(d / "data/3927/392755.mem");
       },
       "out", 5, "ﾌｧｲﾙへのｱｸｾｽが拒否されました", 2},
      {"missing output folder", [](auto&, auto&) {}, "no/such/out", 3, "不正なﾌｧｲﾙ名です", 0},
      {"folder of the output name", [](auto&, auto& o) { fs::create_directory(o / "out.txt"); },
       "out", 5, "ﾌｧｲﾙへのｱｸｾｽが拒否されました", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    test::TTempFolder disc, out;
    test::WriteDisc(disc.path(), {kShuri, kEast}, Cell);
    c.arrange(disc.path(), out.path());
    TRunRequest r = Request(TOutputFormat::ofXyzText);
    r.dataRoot = disc.str();
    r.baseName = (out.path() / c.baseName).string();
    TLineLog log;
    const std::size_t descriptors = test::ProcessOpenDescriptors();
    EXPECT_TRUE(test::ThrowsRunFailure([&] { RunConversion(r, log); }, c.code, c.message));
    EXPECT_EQ(test::ProcessOpenDescriptors(), descriptors);
    ASSERT_EQ(log.lines.size(), c.logLines);
    if (c.logLines > 0) {
      EXPECT_EQ(log.lines[0], disc.str() + "\\zumei.csv");
      EXPECT_TRUE(fs::is_regular_file(out.path() / "out.txt"));
    }
  }
}

// A write the file system refuses ends the run with the system's number.
TEST_F(ConversionTest, RefusedWriteEndsTheRun) {
  test::WriteDisc(disc_.path(), {kShuri, kEast}, Cell);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 100000;
  setrlimit(RLIMIT_FSIZE, &small);
  const bool failed = test::ThrowsRunFailure(
      [&] { RunConversion(Request(TOutputFormat::ofRegionMif), log_); }, EFBIG, "I/O ｴﾗｰ (27)");
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previous);
  EXPECT_TRUE(failed);
  EXPECT_EQ(log_.lines, std::vector<std::string>{IndexPath()});
  EXPECT_EQ(Out("out.mif").size(), 100000u);
  EXPECT_EQ(Out("out.mif").substr(0, 13), "Version 300\r\n");
}

}  // namespace
}  // namespace velmora
