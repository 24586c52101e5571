// An index line and a data root, both arbitrary bytes, to the sheet's extent
// and its paths:
//   - the extent is finite, 1/12 degree high and 1/8 degree wide, with its
//     codes in the range two characters can spell (-9 to 99) and its row and
//     column digits 0 to 9;
//   - the sheet touches a rectangle equal to its own extent, and none that
//     lies just beyond any one of its edges;
//   - the paths are the plain joins of the texts; their native forms either
//     come out (no backslash left, at most 259 bytes of text behind them) or
//     are refused with "不正なﾌｧｲﾙ名です" (code 3), and nothing else happens.
//
// Input: byte 0 gives the length of the data root (0 to 15 bytes that
// follow); the rest is the index line.
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "check.h"
#include "host/host_path.h"
#include "run/messages.h"
#include "run/run_failure.h"
#include "source/sheet_index.h"

namespace velmora::fuzz {
namespace {

bool Near(double a, double b) { return std::fabs(a - b) <= 1e-12; }

void CheckExtent(std::string_view line) {
  const TSheetExtent e = SheetExtentFromLine(line);
  FUZZ_CHECK(std::isfinite(e.south) && std::isfinite(e.north));
  FUZZ_CHECK(std::isfinite(e.west) && std::isfinite(e.east));
  FUZZ_CHECK(Near(e.north - e.south, 1.0 / 12));
  FUZZ_CHECK(Near(e.east - e.west, 0.125));
  // The row and column digits are the fifth and sixth bytes when those are
  // digits, else 0; what is left are the codes' own parts, lat0 = code × 2/3
  // and lon0 = code + 100.
  const auto digit = [&](std::size_t i) {
    return i < line.size() && line[i] >= '0' && line[i] <= '9' ? line[i] - '0' : 0;
  };
  const double lat0 = e.south - digit(4) * (1.0 / 12), lon0 = e.west - digit(5) / 8.0;
  FUZZ_CHECK(lat0 >= -6 - 1e-9 && lat0 <= 66 + 1e-9);
  FUZZ_CHECK(lon0 >= 91 - 1e-9 && lon0 <= 199 + 1e-9);

  TRunParams box;
  box.Y_min = e.south;
  box.Y_max = e.north;
  box.X_min = e.west;
  box.X_max = e.east;
  FUZZ_CHECK(SheetTouchesBox(e, box));
  const double up = std::numeric_limits<double>::infinity(), down = -up;
  TRunParams beyond = box;
  beyond.Y_min = beyond.Y_max = std::nextafter(e.north, up);
  FUZZ_CHECK(!SheetTouchesBox(e, beyond));
  beyond = box;
  beyond.Y_min = beyond.Y_max = std::nextafter(e.south, down);
  FUZZ_CHECK(!SheetTouchesBox(e, beyond));
  beyond = box;
  beyond.X_min = beyond.X_max = std::nextafter(e.east, up);
  FUZZ_CHECK(!SheetTouchesBox(e, beyond));
  beyond = box;
  beyond.X_min = beyond.X_max = std::nextafter(e.west, down);
  FUZZ_CHECK(!SheetTouchesBox(e, beyond));
}

void CheckNative(const std::string& text) {
  try {
    const std::string native = NativePath(text);
    FUZZ_CHECK(native.find('\\') == std::string::npos);
    FUZZ_CHECK(text.substr(0, text.find('\0')).size() <= kMaxPathBytes);
  } catch (const ERunFailure& failure) {
    FUZZ_CHECK(failure.code() == 3);
    FUZZ_CHECK(failure.message() == messages::kPathNotFound);
  }
}

void CheckPaths(std::string_view root, std::string_view line) {
  const std::string index = IndexFilePath(root);
  FUZZ_CHECK(index == std::string(root) + "\\zumei.csv");
  const std::string grid = GridFilePath(root, line);
  FUZZ_CHECK(grid == std::string(root) + "\\data\\" + std::string(line.substr(0, 4)) + "\\" +
                         std::string(line.substr(0, 6)) + ".mem");
  CheckNative(index);
  CheckNative(grid);
  CheckNative(std::string(line));
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (bytes.empty()) return 0;
  const std::size_t rootSize =
      std::min<std::size_t>(static_cast<unsigned char>(bytes[0]) % 16, bytes.size() - 1);
  const std::string_view root = bytes.substr(1, rootSize), line = bytes.substr(1 + rootSize);
  velmora::fuzz::CheckExtent(line);
  velmora::fuzz::CheckPaths(root, line);
  return 0;
}
