// A thousand runs in one process with one run log, completed and failed in
// turn: nothing carries over from one run to the next, so the heap in use and
// the open descriptors stay flat, and every completed run writes the same
// files as the first.
#include <gtest/gtest.h>
#include <malloc.h>

#include <filesystem>
#include <string>
#include <vector>

#include "run/conversion.h"
#include "run/messages.h"
#include "run/run_failure.h"
#include "support/failing_file_ops.h"
#include "support/tiny_disc.h"

#if defined(__SANITIZE_ADDRESS__)
#define VELMORA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELMORA_ASAN 1
#endif
#endif
#ifdef VELMORA_ASAN
// From the sanitizer runtime (GCC ships no header for it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace velmora {
namespace {

namespace fs = std::filesystem;

// Bytes of heap the program holds now.
std::size_t HeapInUse() {
#ifdef VELMORA_ASAN
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

// A log that keeps only what the test checks, so that it does not grow itself.
class TCountingLog : public TRunLog {
 public:
  void Add(std::string_view line) override {
    ++lines;
    last.assign(line);
  }
  std::size_t lines = 0;
  std::string last;
};

std::string Cell(int row, int column) { return std::to_string(row * 10 + column); }

struct RunKind {
  const char* why;
  std::function<void(TRunRequest&)> arrange;
  std::size_t logLines;  // lines the run appends
  int code;              // -1: the run completes
};

TEST(ManyRuns, MemoryAndDescriptorsStayFlat) {
  test::TTempFolder disc, out;
  test::WriteDisc(disc.path(), {"392754,a"}, Cell);
  const fs::path overflowDisc = disc.path() / "overflow";
  test::WriteDisc(overflowDisc, {"392754,a"}, [](int row, int column) {
    return row == 3 && column == 3 ? std::string("9e99") : Cell(row, column);
  });
  const fs::path noGridDisc = disc.path() / "no-grid";
  test::WriteFile(noGridDisc / "zumei.csv", "392754,a\r\n");
  fs::create_directories(noGridDisc / "data" / "3927");

  TRunRequest base;
  base.dataRoot = disc.str();
  base.baseName = (out.path() / "out").string();
  base.Y_min = "26.495";
  base.Y_max = "26.5";
  base.X_min = "127.5";
  base.X_max = "127.51";
  const std::vector<RunKind> failures = {
      {"missing grid file", [&](TRunRequest& r) { r.dataRoot = noGridDisc.string(); }, 1, 2},
      {"missing output folder", [&](TRunRequest& r) { r.baseName += "/no/such"; }, 0, 3},
      {"overflowing cell", [&](TRunRequest& r) { r.dataRoot = overflowDisc.string(); }, 1, 0},
  };
  const TOutputFormat formats[] = {TOutputFormat::ofPointMif, TOutputFormat::ofRegionMif,
                                   TOutputFormat::ofXyzText};

  TCountingLog log;
  std::size_t expectedLines = 0;
  std::vector<std::string> firstOutputs(3);
  std::size_t heapAfterWarmUp = 0, descriptorsAfterWarmUp = 0;
  constexpr int kRuns = 1000, kWarmUp = 100;
  for (int i = 0; i < kRuns; ++i) {
    if (i == kWarmUp) {
      heapAfterWarmUp = HeapInUse();
      descriptorsAfterWarmUp = test::ProcessOpenDescriptors();
    }
    const int f = (i / 2) % 3;
    TRunRequest request = base;
    request.format = formats[f];
    const bool fails = i % 2 == 1;
    if (fails) failures[static_cast<std::size_t>(f)].arrange(request);
    SCOPED_TRACE("run " + std::to_string(i) +
                 (fails ? std::string(": ") + failures[static_cast<std::size_t>(f)].why : ""));
    try {
      RunConversion(request, log);
      ASSERT_FALSE(fails);
      expectedLines += 3;
      ASSERT_EQ(log.last, messages::kRunFinished);
      const std::string txt = test::ReadFile(out.path() / (f == 2 ? "out.txt" : "out.mif"));
      if (firstOutputs[static_cast<std::size_t>(f)].empty())
        firstOutputs[static_cast<std::size_t>(f)] = txt;
      ASSERT_EQ(txt, firstOutputs[static_cast<std::size_t>(f)]);
    } catch (const ERunFailure& failure) {
      ASSERT_TRUE(fails);
      expectedLines += failures[static_cast<std::size_t>(f)].logLines;
      ASSERT_EQ(failure.code(), failures[static_cast<std::size_t>(f)].code);
    }
    ASSERT_EQ(log.lines, expectedLines);
  }
  EXPECT_EQ(test::ProcessOpenDescriptors(), descriptorsAfterWarmUp);
  // A little slack for the allocator's own bookkeeping; any one output block
  // or line left behind per run would be hundreds of kilobytes by now.
  EXPECT_LT(HeapInUse(), heapAfterWarmUp + 16 * 1024)
      << "heap in use grew from " << heapAfterWarmUp << " to " << HeapInUse() << " bytes";
}

}  // namespace
}  // namespace velmora
