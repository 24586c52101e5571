// Fault injection through the file layer: in a small run of each format,
// every file call in turn (create, write and close of each output; open, read
// and close of the index and of each grid file) fails with each of ENOSPC,
// EIO, EACCES, ENOENT and EMFILE. Each time the run must end with the failure
// of that cause, keep exactly the log lines appended before the call, make no
// call but closes after it, leave no descriptor open, delete nothing, and
// leave every output holding exactly the bytes it took before the failure, a
// beginning of what a clean run writes.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/file_ops.h"
#include "run/conversion.h"
#include "run/run_failure.h"
#include "support/failing_file_ops.h"
#include "support/line_log.h"
#include "support/run_failure_check.h"
#include "support/tiny_disc.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::TFileCall;

using test::TLineLog;

// The whole content of a file, read in one piece (the outputs here run to
// hundreds of kilobytes, read after every one of a few hundred runs).
std::string Content(const fs::path& path) {
  std::string bytes(fs::file_size(path), '\0');
  std::ifstream(path, std::ios::binary)
      .read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

// Every regular file under `root` with its size and time of last change.
using TFileStamps = std::map<fs::path, std::pair<std::uintmax_t, fs::file_time_type>>;

TFileStamps Stamps(const fs::path& root) {
  TFileStamps files;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file()) files[entry.path()] = {entry.file_size(), entry.last_write_time()};
  return files;
}

// An injected error and the failure it must give: a missing file cannot be
// why a create fails, so there ENOENT can only mean a missing folder.
struct Cause {
  int error;
  const char* name;
  int code;
  std::string message;
  int createCode;
  std::string createMessage;
};

const Cause kCauses[] = {
    {ENOSPC, "ENOSPC", 28, "I/O ｴﾗｰ (28)", 28, "I/O ｴﾗｰ (28)"},
    {EIO, "EIO", 5, "I/O ｴﾗｰ (5)", 5, "I/O ｴﾗｰ (5)"},
    {EACCES, "EACCES", 5, "ﾌｧｲﾙへのｱｸｾｽが拒否されました", 5, "ﾌｧｲﾙへのｱｸｾｽが拒否されました"},
    {ENOENT, "ENOENT", 2, "ﾌｧｲﾙが見つかりません", 3, "不正なﾌｧｲﾙ名です"},
    {EMFILE, "EMFILE", 4, "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます", 4, "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます"},
};

const char* CallName(TFileCall call) {
  switch (call) {
    case TFileCall::kOpenRead: return "open";
    case TFileCall::kCreateWrite: return "create";
    case TFileCall::kRead: return "read";
    case TFileCall::kWrite: return "write";
    case TFileCall::kClose: return "close";
  }
  return "?";
}

const std::vector<std::string> kOutputNames = {"out.mif", "out.mid", "out.txt"};
const std::string kStale = "from an earlier run\r\n";

// What a run did: its log, its failure, the file calls it made and what the
// file layer saw of them.
struct RunTrace {
  TLineLog log;
  std::optional<ERunFailure> failure;
  std::vector<test::TFileCallRecord> calls;
  std::map<std::string, std::string> written;
  std::set<std::string> created;
  std::size_t callsAfterFailure = 0, strayCalls = 0, leftOpen = 0;
};

class FaultInjectionTest : public ::testing::TestWithParam<TOutputFormat> {
 protected:
  // Two selected sheets around one that is not. The rectangle keeps 120 and
  // 56 columns of the northern 20 rows: enough that the region .mif is passed
  // on in several blocks, so writes also fail in the middle of a run.
  void SetUp() override {
    test::WriteDisc(disc_.path(), {"392754,first", "392753,not selected", "392755,second"},
                    [](int row, int column) {
                      return column % 17 == 0 ? "-9999" : std::to_string(row * 7 - column);
                    });
  }

  TRunRequest Request() const {
    TRunRequest r;
    r.dataRoot = disc_.str();
    r.baseName = (out_.path() / "out").string();
    r.Y_min = "26.4918";
    r.Y_max = "26.5";
    r.X_min = "127.55";
    r.X_max = "127.66";
    r.format = GetParam();
    return r;
  }

  void WriteStaleOutputs() const {
    for (const auto& name : kOutputNames) test::WriteFile(out_.path() / name, kStale);
  }

  // One run with call `failAt` failing with `error` (0: none fails).
  RunTrace Run(std::size_t failAt, int error) const {
    RunTrace trace;
    test::TFailingFileOps ops(failAt, error, [&] { return trace.log.lines.size(); });
    try {
      TScopedFileOps scoped(ops);
      RunConversion(Request(), trace.log);
    } catch (const ERunFailure& failure) {
      trace.failure = failure;
    }
    trace.calls = ops.calls();
    trace.written = ops.written();
    trace.created = ops.created();
    trace.callsAfterFailure = ops.callsAfterFailure();
    trace.strayCalls = ops.strayCalls();
    trace.leftOpen = ops.openDescriptors();
    return trace;
  }

  // The outputs after a failed run: each file the run created holds exactly
  // the bytes it took, which begin the file of the clean run; the others
  // still hold what an earlier run left.
  void ExpectOutputsLeft(const RunTrace& failed, const RunTrace& clean) const {
    for (const auto& name : kOutputNames) {
      SCOPED_TRACE(name);
      const std::string path = (out_.path() / name).string();
      const std::string bytes = Content(path);
      if (!failed.created.count(path)) {
        EXPECT_EQ(bytes, kStale);
        continue;
      }
      const auto took = failed.written.find(path);
      EXPECT_EQ(bytes, took == failed.written.end() ? "" : took->second);
      const auto whole = clean.written.find(path);
      ASSERT_NE(whole, clean.written.end());
      EXPECT_EQ(whole->second.compare(0, bytes.size(), bytes), 0) << "not what a clean run writes";
    }
  }

  test::TTempFolder disc_, out_;
};

TEST_P(FaultInjectionTest, EveryCallFailsCleanly) {
  WriteStaleOutputs();
  const RunTrace clean = Run(0, 0);
  ASSERT_FALSE(clean.failure) << test::Readable(clean.failure->message());
  ASSERT_EQ(clean.log.lines.size(), 4u);  // index path, two sheets, completion
  ASSERT_EQ(clean.strayCalls, 0u);
  ASSERT_EQ(clean.leftOpen, 0u);
  // The sweep covers every kind of call on every file of the run.
  const auto made = [&](TFileCall call, const fs::path& path) {
    return std::count_if(clean.calls.begin(), clean.calls.end(),
                         [&](const auto& c) { return c.call == call && c.path == path.string(); });
  };
  const std::vector<std::string> outputs = GetParam() == TOutputFormat::ofXyzText
                                               ? std::vector<std::string>{"out.txt"}
                                               : std::vector<std::string>{"out.mif", "out.mid"};
  for (const auto& name : outputs)
    for (const TFileCall call : {TFileCall::kCreateWrite, TFileCall::kWrite, TFileCall::kClose})
      EXPECT_GT(made(call, out_.path() / name), 0) << CallName(call) << " " << name;
  for (const char* input : {"zumei.csv", "data/3927/392754.mem", "data/3927/392755.mem"})
    for (const TFileCall call : {TFileCall::kOpenRead, TFileCall::kRead, TFileCall::kClose})
      EXPECT_GT(made(call, disc_.path() / input), 0) << CallName(call) << " " << input;
  if (GetParam() == TOutputFormat::ofRegionMif) {  // the .mif in several blocks, during the walk
    EXPECT_GT(made(TFileCall::kWrite, out_.path() / "out.mif"), 1);
  }

  const TFileStamps disc = Stamps(disc_.path());
  for (std::size_t n = 1; n <= clean.calls.size(); ++n) {
    const test::TFileCallRecord& target = clean.calls[n - 1];
    const bool create = target.call == TFileCall::kCreateWrite;
    for (const Cause& cause : kCauses) {
      SCOPED_TRACE("call " + std::to_string(n) + " of " + std::to_string(clean.calls.size()) +
                   ", " + CallName(target.call) + " " + target.path + ", fails with " + cause.name);
      WriteStaleOutputs();
      const std::size_t descriptors = test::ProcessOpenDescriptors();
      const RunTrace failed = Run(n, cause.error);
      EXPECT_EQ(test::ProcessOpenDescriptors(), descriptors);
      EXPECT_EQ(failed.leftOpen, 0u);
      EXPECT_EQ(failed.strayCalls, 0u);

      ASSERT_TRUE(failed.failure);
      EXPECT_EQ(failed.failure->code(), create ? cause.createCode : cause.code);
      EXPECT_EQ(test::Readable(failed.failure->message()),
                create ? cause.createMessage : cause.message);

      // The same calls as the clean run up to the failing one, then closes.
      ASSERT_GE(failed.calls.size(), n);
      EXPECT_TRUE(failed.calls[n - 1].failed);
      for (std::size_t i = 0; i < n; ++i) {
        EXPECT_EQ(failed.calls[i].call, clean.calls[i].call);
        EXPECT_EQ(failed.calls[i].path, clean.calls[i].path);
      }
      EXPECT_EQ(failed.callsAfterFailure, 0u);

      const std::vector<std::string> before(
          clean.log.lines.begin(),
          clean.log.lines.begin() + static_cast<std::ptrdiff_t>(target.mark));
      EXPECT_EQ(failed.log.lines, before);
      ExpectOutputsLeft(failed, clean);
      EXPECT_EQ(Stamps(disc_.path()), disc);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, FaultInjectionTest,
                         ::testing::Values(TOutputFormat::ofPointMif, TOutputFormat::ofRegionMif,
                                           TOutputFormat::ofXyzText),
                         [](const auto& format) {
                           return std::string(format.param == TOutputFormat::ofPointMif ? "Point"
                                              : format.param == TOutputFormat::ofRegionMif
                                                  ? "Region"
                                                  : "Xyz");
                         });

}  // namespace
}  // namespace velmora
