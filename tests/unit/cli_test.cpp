// velmora-cli: the arguments, and whole runs on the committed two-sheet disc
// compared byte for byte with outputs worked out independently
// (tests/data/make_two_sheets.py), through the real program.
#include "cli/cli_run.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "support/tiny_disc.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

const fs::path kDisc = fs::path(VELMORA_TEST_DATA) / "two-sheets";
const fs::path kExpected = fs::path(VELMORA_TEST_DATA) / "two-sheets-expected";

std::vector<std::string> Args(const std::string& base, const std::string& format) {
  std::vector<std::string> a = {"--root",  kDisc.string(), "--out",  base,       "--south",
                                "26.45",   "--north",      "26.452", "--west",   "127.6225",
                                "--east",  "127.6275"};
  if (!format.empty()) a.insert(a.end(), {"--format", format});
  return a;
}

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

struct TProgramRun {
  int status;
  std::string out, err;
};

// Runs the real velmora-cli in `folder` with `args`.
TProgramRun RunProgram(const fs::path& folder, const std::vector<std::string>& args) {
  std::string command = "cd " + Quote(folder.string()) + " && " + Quote(VELMORA_CLI_PATH);
  for (const auto& a : args) command += " " + Quote(a);
  command += " >stdout.txt 2>stderr.txt </dev/null";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, test::ReadFile(folder / "stdout.txt"),
          test::ReadFile(folder / "stderr.txt")};
}

std::string LogOf(const std::vector<std::string>& sheetLines) {
  std::string log = kDisc.string() + "\\zumei.csv\n";
  for (const auto& l : sheetLines) log += l + "\n";
  return log + "処理終了しました。\n";
}

const std::vector<std::string> kSheetLines = {"392754,首里ｼｭﾘ", "392755,表ソ"};

TEST(CliProgram, OutputsMatchTheIndependentReference) {
  const struct {
    std::string format;
    std::vector<std::pair<std::string, std::string>> files;  // written, expected
  } cases[] = {
      {"xyz", {{"out.txt", "out.txt"}}},
      {"point", {{"out.mif", "point.mif"}, {"out.mid", "point.mid"}}},
      {"region", {{"out.mif", "region.mif"}, {"out.mid", "region.mid"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    test::TTempFolder folder;
    const TProgramRun run = RunProgram(folder.path(), Args("out", c.format));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, LogOf(kSheetLines));
    EXPECT_EQ(run.err, "");
    for (const auto& [written, expected] : c.files) {
      SCOPED_TRACE(written);
      const std::string want = test::ReadFile(kExpected / expected);
      ASSERT_FALSE(want.empty());
      EXPECT_TRUE(test::ReadFile(folder.path() / written) == want);
    }
  }
}

TEST(CliProgram, ExitStatusAndStreams) {
  test::TTempFolder folder;
  const struct {
    std::string why;
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string errStart;
  } cases[] = {
      {"no format", Args("out", ""), 2, "出力形式を選んでください\n", ""},
      {"bad bound", [] { auto a = Args("out", "xyz"); a[5] = "26.45 "; return a; }(), 2,
       "数値入力エラー1\n", ""},
      {"missing output folder", Args("no/such/out", "xyz"), 1, "", "不正なﾌｧｲﾙ名です\n"},
      {"missing disc", [] { auto a = Args("out", "xyz"); a[1] = "/no/disc"; return a; }(), 1,
       "/no/disc\\zumei.csv\n", "不正なﾌｧｲﾙ名です\n"},
      {"overflow", [] { auto a = Args("out", "xyz"); a[9] = "1e39"; return a; }(), 1, "",
       "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ\n"},
      {"help", {"--help"}, 0, CliUsage(), ""},
      {"version", {"--version"}, 0, "velmora-cli 1.0\n", ""},
      {"missing option", {"--root", "D:"}, 64, "", "velmora-cli: --out is required\nusage:"},
      {"unknown format", Args("out", "tiff"), 64, "", "velmora-cli: --format must be"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const TProgramRun run = RunProgram(folder.path(), c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err.substr(0, c.errStart.size()), c.errStart);
  }
}

TEST(CliArguments, FormsOfOptions) {
  const TCliCommand command = ParseCliArguments(
      {"--root=D:", "--out", "-x", "--south", "-5", "--north=  7", "--west=.", "--east", "",
       "--format=region"});
  ASSERT_TRUE(std::holds_alternative<TCliRun>(command));
  const TRunRequest& r = std::get<TCliRun>(command).request;
  EXPECT_EQ(r.dataRoot, "D:");
  EXPECT_EQ(r.baseName, "-x");
  EXPECT_EQ(r.Y_min, "-5");
  EXPECT_EQ(r.Y_max, "  7");
  EXPECT_EQ(r.X_min, ".");
  EXPECT_EQ(r.X_max, "");
  EXPECT_EQ(r.format, TOutputFormat::ofRegionMif);

  const auto noFormat = ParseCliArguments(Args("表", ""));
  ASSERT_TRUE(std::holds_alternative<TCliRun>(noFormat));
  EXPECT_FALSE(std::get<TCliRun>(noFormat).request.format.has_value());
  EXPECT_EQ(std::get<TCliRun>(noFormat).request.baseName, "\x95\x5c");  // CP932
}

TEST(CliArguments, UsageErrors) {
  const struct {
    std::vector<std::string> args;
    std::string reason;
  } cases[] = {
      {{"--root"}, "--root needs a value"},
      {{"--colour", "red"}, "unknown option --colour"},
      {{"stray"}, "unexpected argument stray"},
      {{"--root", "a", "--root", "b"}, "--root is given more than once"},
      {{"--out", "\xff"}, "--out is not valid UTF-8 or holds a character without a CP932 form"},
      {{"--out", "\xf0\x9f\x98\x80"},  // an emoji has no CP932 form
       "--out is not valid UTF-8 or holds a character without a CP932 form"},
      {{"--root", "a", "--out", "b", "--south", "1", "--north", "2", "--west", "3"},
       "--east is required"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    const TCliCommand command = ParseCliArguments(c.args);
    ASSERT_TRUE(std::holds_alternative<TCliUsageError>(command));
    EXPECT_EQ(std::get<TCliUsageError>(command).reason, c.reason);
  }
}

// Numbers in the files and in the bounds ignore the process's locale: a run
// under a comma-decimal locale writes the same bytes.
TEST(CliInProcess, CommaDecimalLocaleChangesNothing) {
  const char* name = "de_DE.UTF-8";
  if (std::setlocale(LC_ALL, name) == nullptr) {
    if (std::getenv("VELMORA_REQUIRE_LOCALES")) FAIL() << name << " is not installed";
    GTEST_SKIP() << name << " is not installed";
  }
  std::locale::global(std::locale(name));
  test::TTempFolder folder;
  std::ostringstream out, err;
  const int status = RunCli(Args((folder.path() / "out").string(), "xyz"), out, err);
  std::locale::global(std::locale::classic());
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out.str(), LogOf(kSheetLines));
  EXPECT_TRUE(test::ReadFile(folder.path() / "out.txt") == test::ReadFile(kExpected / "out.txt"));
}

}  // namespace
}  // namespace velmora
