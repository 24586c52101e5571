// The message of every I/O result code, and the host's errno mapped onto them.
#include "run/run_failure.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "host/host_file.h"
#include "support/run_failure_check.h"
#include "support/tiny_disc.h"

namespace velmora {
namespace {

TEST(IoResultMessage, EveryCode) {
  const struct {
    int code;
    std::string message;
  } cases[] = {
      {2, "ﾌｧｲﾙが見つかりません"},       {3, "不正なﾌｧｲﾙ名です"},
      {4, "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます"},   {5, "ﾌｧｲﾙへのｱｸｾｽが拒否されました"},
      {100, "ﾌｧｲﾙの末尾以降を読み込みました"}, {101, "ﾃﾞｨｽｸがいっぱいです"},
      {106, "入力値が数値ではありません"}, {21, "I/O ｴﾗｰ (21)"},
      {0, "I/O ｴﾗｰ (0)"},                {-7, "I/O ｴﾗｰ (-7)"},
      {1234567, "I/O ｴﾗｰ (1234567)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_TRUE(test::ThrowsRunFailure([&] { throw IoFailure(c.code); }, c.code, c.message));
  }
  EXPECT_TRUE(test::ThrowsRunFailure([] { throw OverflowFailure(); }, 0, "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ"));
}

// The cause decides the message; a raw errno is never looked up in the table.
TEST(FailureFromErrno, CausesOntoCodes) {
  test::TTempFolder folder;
  const std::string inFolder = folder.str() + "/file";
  const std::string missingFolder = folder.str() + "/none/file";
  const struct {
    int err;
    std::string path;
    bool folderMayExist;
    int code;
    std::string message;
  } cases[] = {
      {ENOENT, inFolder, true, 2, "ﾌｧｲﾙが見つかりません"},
      {ENOENT, missingFolder, true, 3, "不正なﾌｧｲﾙ名です"},
      {ENOENT, inFolder, false, 3, "不正なﾌｧｲﾙ名です"},
      {ENOTDIR, inFolder, true, 3, "不正なﾌｧｲﾙ名です"},
      {ENAMETOOLONG, inFolder, true, 3, "不正なﾌｧｲﾙ名です"},
      {EMFILE, inFolder, true, 4, "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます"},
      {ENFILE, inFolder, true, 4, "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます"},
      {EACCES, inFolder, true, 5, "ﾌｧｲﾙへのｱｸｾｽが拒否されました"},
      {EPERM, inFolder, true, 5, "ﾌｧｲﾙへのｱｸｾｽが拒否されました"},
      {EISDIR, inFolder, true, 5, "ﾌｧｲﾙへのｱｸｾｽが拒否されました"},
      {EROFS, inFolder, true, 5, "ﾌｧｲﾙへのｱｸｾｽが拒否されました"},
      {EIO, inFolder, true, EIO, "I/O ｴﾗｰ (5)"},
      {ENOSPC, inFolder, true, ENOSPC, "I/O ｴﾗｰ (28)"},
      {ENXIO, inFolder, true, ENXIO, "I/O ｴﾗｰ (6)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("errno " + std::to_string(c.err) + " on " + c.path);
    EXPECT_TRUE(test::ThrowsRunFailure(
        [&] { throw FailureFromErrno(c.err, c.path, c.folderMayExist); }, c.code, c.message));
  }
}

}  // namespace
}  // namespace velmora
