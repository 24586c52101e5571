// The disc's reading rules, on whole files and on reads cut into pieces of
// every small size (lines and CR LF pairs then straddle block boundaries).
#include "source/text_line_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/file_ops.h"
#include "support/run_failure_check.h"
#include "support/tiny_disc.h"

namespace velmora {
namespace {

// Hands out at most `limit` bytes per read and counts the reads.
class TShortReads : public TFileOps {
 public:
  explicit TShortReads(std::size_t limit) : limit_(limit) {}
  long Read(int fd, char* buffer, std::size_t size) override {
    ++reads;
    return TFileOps::Read(fd, buffer, std::min(size, limit_));
  }
  int reads = 0;

 private:
  std::size_t limit_;
};

struct ReaderCase {
  std::string name;
  std::string bytes;
  std::vector<std::string> lines;  // what ReadLine gives until AtEnd
};

const std::vector<ReaderCase>& ReaderCases() {
  static const std::vector<ReaderCase> cases = {
      {"CR LF", "ab\r\ncd\r\n", {"ab", "cd"}},
      {"empty line between", "ab\r\n\r\ncd", {"ab", "", "cd"}},
      {"last line without end", "ab\r\ncd", {"ab", "cd"}},
      {"CR alone ends a line", "ab\rcd\r", {"ab", "cd"}},
      {"CR then CR LF", "ab\r\r\ncd", {"ab", "", "cd"}},
      {"lone LF is a character", "ab\ncd\nef", {"ab\ncd\nef"}},
      {"LF CR", "ab\n\rcd", {"ab\n", "cd"}},
      {"empty line at the end", "ab\r\n\r\n", {"ab", ""}},
      {"byte 26 ends the input", "ab\r\ncd\x1a" "ef\r\ngh\r\n", {"ab", "cd"}},
      {"byte 26 after a line end", "ab\r\n\x1a" "cd", {"ab"}},
      {"byte 26 first", "\x1a" "ab", {""}},
      {"CR at the very end", "ab\r", {"ab"}},
      {"NUL and high bytes kept", std::string("a\0\xff\x82\xa0", 5) + "\r\n", {std::string("a\0\xff\x82\xa0", 5)}},
      {"long line", std::string(200000, 'x') + "\r\ny", {std::string(200000, 'x'), "y"}},
  };
  return cases;
}

std::vector<std::string> ReadAll(const std::string& path) {
  TTextLineReader reader;
  reader.Open(path);
  std::vector<std::string> lines;
  do lines.emplace_back(reader.ReadLine());
  while (!reader.AtEnd() && lines.size() < 100);
  reader.Close();
  return lines;
}

TEST(TextLineReader, ReadingRules) {
  test::TTempFolder folder;
  for (const std::size_t readSize : {std::size_t{1 << 20}, std::size_t{1}, std::size_t{2},
                                     std::size_t{3}, std::size_t{7}}) {
    TShortReads ops(readSize);
    TScopedFileOps scoped(ops);
    for (const auto& c : ReaderCases()) {
      SCOPED_TRACE(c.name + ", reads of " + std::to_string(readSize));
      const auto path = folder.path() / "file.txt";
      test::WriteFile(path, c.bytes);
      EXPECT_EQ(ReadAll(path.string()), c.lines);
    }
  }
}

// An empty file still gives one (empty) line; at the end ReadLine gives empty
// lines as often as asked, without reading the device again.
TEST(TextLineReader, AtTheEnd) {
  test::TTempFolder folder;
  const auto path = folder.path() / "empty.txt";
  test::WriteFile(path, "");
  EXPECT_EQ(ReadAll(path.string()), std::vector<std::string>{""});

  test::WriteFile(path, "ab\r\n\x1a" "cd");
  TShortReads ops(1 << 20);
  TScopedFileOps scoped(ops);
  TTextLineReader reader;
  reader.Open(path.string());
  EXPECT_FALSE(reader.AtEnd());
  EXPECT_EQ(reader.ReadLine(), "ab");
  EXPECT_TRUE(reader.AtEnd());
  const int readsAtEnd = ops.reads;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(reader.ReadLine(), "");
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(ops.reads, readsAtEnd);
  reader.Close();
}

// Large files are read in blocks, not byte by byte.
TEST(TextLineReader, ReadsInBlocks) {
  test::TTempFolder folder;
  const auto path = folder.path() / "big.txt";
  std::string bytes;
  for (int i = 0; i < 1000; ++i) bytes += std::string(1009, '7') + "\r\n";
  test::WriteFile(path, bytes);
  TShortReads ops(1 << 20);
  TScopedFileOps scoped(ops);
  EXPECT_EQ(ReadAll(path.string()).size(), 100u);  // ReadAll stops at 100
  EXPECT_LE(ops.reads, 4);
}

TEST(TextLineReader, OpenFailures) {
  test::TTempFolder folder;
  TTextLineReader reader;
  EXPECT_TRUE(test::ThrowsRunFailure([&] { reader.Open((folder.path() / "none.csv").string()); },
                                     2, "ﾌｧｲﾙが見つかりません"));
  EXPECT_TRUE(test::ThrowsRunFailure(
      [&] { reader.Open((folder.path() / "no" / "none.csv").string()); }, 3, "不正なﾌｧｲﾙ名です"));
}

}  // namespace
}  // namespace velmora
