// Path texts onto the file system: decoding, separators, the length limit and
// names found with letter case ignored.
#include "host/host_path.h"

#include <gtest/gtest.h>

#include <string>

#include "host/host_file.h"
#include "support/run_failure_check.h"
#include "support/tiny_disc.h"

namespace velmora {
namespace {

TEST(NativePath, DecodesAndTurnsSeparators) {
  const struct {
    std::string text, native;
  } cases[] = {
      {"D:\\zumei.csv", "D:/zumei.csv"},
      {"D:\\\\data\\3927", "D://data/3927"},
      // The second bytes of 表 and ソ are 0x5C: they are not separators.
      {"\x95\x5c\\\x83\x5c\\a", "表/ソ/a"},
      {"\xb6\xdd", "ｶﾝ"},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.native);
    EXPECT_EQ(NativePath(c.text), c.native);
  }
}

TEST(NativePath, RefusesLongAndUndecodableTexts) {
  EXPECT_EQ(NativePath(std::string(259, 'a')).size(), 259u);
  EXPECT_TRUE(test::ThrowsRunFailure([] { NativePath(std::string(260, 'a')); }, 3,
                                     "不正なﾌｧｲﾙ名です"));
  EXPECT_TRUE(test::ThrowsRunFailure([] { NativePath("a\x82"); }, 3, "不正なﾌｧｲﾙ名です"));
  // Cut at the NUL, "out<NUL>x.mif" and "out<NUL>x.mid" would be one file.
  EXPECT_TRUE(test::ThrowsRunFailure([] { NativePath(std::string("out\0x.mif", 9)); }, 3,
                                     "不正なﾌｧｲﾙ名です"));
  EXPECT_TRUE(test::ThrowsRunFailure([] { NativePath("a\xff" "b"); }, 3, "不正なﾌｧｲﾙ名です"));
}

// A disc mounted with other letter case is still read; an exact match wins.
TEST(FindIgnoringCase, OneComponentAtATime) {
  test::TTempFolder folder;
  const std::string root = folder.str();
  test::WriteFile(folder.path() / "ZUMEI.CSV", "upper");
  test::WriteFile(folder.path() / "DATA" / "3927" / "392754.MEM", "grid");
  test::WriteFile(folder.path() / "both.txt", "lower");
  test::WriteFile(folder.path() / "Both.txt", "mixed");

  EXPECT_EQ(FindIgnoringCase(root + "/zumei.csv"), root + "/ZUMEI.CSV");
  EXPECT_EQ(FindIgnoringCase(root + "/data/3927/392754.mem"), root + "/DATA/3927/392754.MEM");
  EXPECT_EQ(FindIgnoringCase(root + "/BOTH.TXT"), root + "/Both.txt");  // first in byte order
  EXPECT_EQ(FindIgnoringCase(root + "/both.txt"), root + "/both.txt");  // exact wins
  EXPECT_EQ(FindIgnoringCase(root + "/data/3928/392754.mem"), std::nullopt);

  THostFile file = THostFile::OpenInput(root + "\\data\\3927\\392754.mem");
  char bytes[8];
  EXPECT_EQ(std::string(bytes, file.Read(bytes, sizeof bytes)), "grid");
  file.Close();
  EXPECT_TRUE(test::ThrowsRunFailure([&] { THostFile::OpenInput(root + "\\data\\3928\\x.mem"); },
                                     3, "不正なﾌｧｲﾙ名です"));
  EXPECT_TRUE(test::ThrowsRunFailure([&] { THostFile::OpenInput(root + "\\data\\3927\\x.mem"); },
                                     2, "ﾌｧｲﾙが見つかりません"));
}

}  // namespace
}  // namespace velmora
