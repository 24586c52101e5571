// A whole run over a small disc made from the fuzzer's bytes, in all three
// formats. Each run must end normally or with an ERunFailure whose message is
// the one of its code, leave no descriptor open, and log the index path, then
// exactly the index lines whose sheets touch the rectangle, in order (on a
// failure, the first of them), then the completion line. The three formats
// must agree: the same end, the same log, and on completion the same cells,
// so the .mid of the point and the region run, the elevations of the x,y,z
// text and the coordinates of the point objects all match line by line.
//
// Input: bytes 0-3 place the rectangle near the sheet of the first index
// line; the rest is split at each byte 0x1D: first the index file (at most
// 128 bytes of it are used), then grid files, handed in turn to the distinct
// grid paths of the index lines. A path whose code holds "/", "\", "." or a
// NUL byte, or no valid CP932, gets no file, so nothing is written outside
// the disc's folder; the run then meets a missing file like any other.
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "host/host_path.h"
#include "reference_reader.h"
#include "run/conversion.h"
#include "run/messages.h"
#include "run/number_text.h"
#include "run/run_failure.h"
#include "source/sheet_index.h"

namespace velmora::fuzz {
namespace {

namespace fs = std::filesystem;

constexpr char kPartEnd = 0x1D;
constexpr std::size_t kMaxIndexBytes = 128;

// The folder every run works in, made once, removed at exit.
const fs::path& WorkFolder() {
  static const fs::path folder = [] {
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    fs::path f = base / ("velmora-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(f / "disc");
    fs::create_directories(f / "out");
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(WorkFolder(), ignored);
    });
    return f;
  }();
  return folder;
}

class TLineLog : public TRunLog {
 public:
  void Add(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

std::size_t OpenDescriptors() {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

std::string ReadAll(const fs::path& path) {
  std::string bytes(fs::file_size(path), '\0');
  std::ifstream(path, std::ios::binary)
      .read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

// The lines of an output, one at a time, without their CR LF.
class TLines {
 public:
  explicit TLines(std::string bytes) : bytes_(std::move(bytes)) {}
  std::string_view Next() {
    const std::size_t end = bytes_.find("\r\n", pos_);
    FUZZ_CHECK(end != std::string::npos);  // every line of an output ends with CR LF
    const std::string_view line = std::string_view(bytes_).substr(pos_, end - pos_);
    pos_ = end + 2;
    return line;
  }
  bool AtEnd() const { return pos_ == bytes_.size(); }

 private:
  std::string bytes_;
  std::size_t pos_ = 0;
};

std::vector<std::string_view> Parts(std::string_view bytes) {
  std::vector<std::string_view> parts;
  for (std::size_t pos = 0;;) {
    const std::size_t end = bytes.find(kPartEnd, pos);
    parts.push_back(bytes.substr(pos, end == std::string_view::npos ? end : end - pos));
    if (end == std::string_view::npos) return parts;
    pos = end + 1;
  }
}

// The index lines as the run walks them.
std::vector<std::string> IndexLines(std::string_view index) {
  TReferenceReader reader(index);
  std::vector<std::string> lines;
  do lines.push_back(reader.ReadLine());
  while (!reader.AtEnd());
  return lines;
}

bool SafeCode(std::string_view line) {
  for (const char c : line.substr(0, 6))
    if (c == '/' || c == '\\' || c == '.' || c == '\0') return false;
  return true;
}

// Writes the disc: the index, and the grid files for the paths of `lines`.
void WriteDisc(const std::string& root, std::string_view index,
               const std::vector<std::string>& lines, const std::vector<std::string_view>& grids) {
  const fs::path disc = WorkFolder() / "disc";
  fs::remove_all(disc);
  fs::create_directories(disc);
  std::ofstream(disc / "zumei.csv", std::ios::binary)
      .write(index.data(), static_cast<std::streamsize>(index.size()));
  std::set<std::string> made;
  std::size_t next = 0;
  for (const std::string& line : lines) {
    if (next == grids.size() || !SafeCode(line)) continue;
    std::string native;
    try {
      native = NativePath(GridFilePath(root, line));
    } catch (const ERunFailure&) {
      continue;
    }
    if (!made.insert(native).second) continue;
    fs::create_directories(fs::path(native).parent_path());
    const std::string_view grid = grids[next++];
    std::ofstream(native, std::ios::binary)
        .write(grid.data(), static_cast<std::streamsize>(grid.size()));
  }
}

std::string NumberText(double value) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

double Fraction(char byte) { return static_cast<unsigned char>(byte) / 255.0; }

// A rectangle from a little outside the sheet to a little inside it, at most
// 0.3 of the sheet in each direction, edges included.
void PlaceRectangle(TRunRequest& r, const TSheetExtent& e, std::string_view b) {
  const double height = e.north - e.south, width = e.east - e.west;
  const double south = e.south + (Fraction(b[0]) * 1.2 - 0.1) * height;
  const double west = e.west + (Fraction(b[2]) * 1.2 - 0.1) * width;
  r.Y_min = NumberText(south);
  r.Y_max = NumberText(south + Fraction(b[1]) * 0.3 * height);
  r.X_min = NumberText(west);
  r.X_max = NumberText(west + Fraction(b[3]) * 0.3 * width);
}

struct TOutcome {
  std::vector<std::string> log;
  std::optional<ERunFailure> failure;
  bool operator==(const TOutcome& o) const {
    return log == o.log && failure.has_value() == o.failure.has_value() &&
           (!failure ||
            (failure->code() == o.failure->code() && failure->message() == o.failure->message()));
  }
};

TOutcome RunOnce(const TRunRequest& request) {
  TOutcome outcome;
  TLineLog log;
  const std::size_t descriptors = OpenDescriptors();
  try {
    RunConversion(request, log);
  } catch (const ERunFailure& failure) {
    outcome.failure = failure;
  }
  FUZZ_CHECK(OpenDescriptors() == descriptors);
  outcome.log = std::move(log.lines);
  return outcome;
}

void CheckFailure(const ERunFailure& f) {
  if (f.code() == 0) {
    FUZZ_CHECK(f.message() == messages::kFloatOverflow);
  } else {
    std::string other(messages::kIoErrorPrefix);
    other += std::to_string(f.code()) + ")";
    FUZZ_CHECK(f.message() == IoResultMessage(f.code()) || f.message() == other);
  }
}

bool IsValidationMessage(const std::string& line) {
  return line == messages::kNumberTextError || line == messages::kNumberRangeError ||
         line == messages::kNoFormatChosen;
}

void CheckLog(const TOutcome& o, const std::string& indexPath,
              const std::vector<std::string>& selected) {
  if (o.failure) CheckFailure(*o.failure);
  if (!o.failure && o.log.size() == 1 && IsValidationMessage(o.log[0])) return;
  FUZZ_CHECK(!o.log.empty() && o.log[0] == indexPath);
  const std::size_t sheets = o.log.size() - (o.failure ? 1 : 2);
  FUZZ_CHECK(o.log.size() >= (o.failure ? 1u : 2u) && sheets <= selected.size());
  for (std::size_t i = 0; i < sheets; ++i) FUZZ_CHECK(o.log[1 + i] == selected[i]);
  if (!o.failure) {
    FUZZ_CHECK(sheets == selected.size());
    FUZZ_CHECK(o.log.back() == messages::kRunFinished);
  }
}

// The outputs of three completed runs over the same disc hold the same cells:
// per x,y,z line one .mid line in each pair, equal to its elevation field,
// and a point and a region object whose coordinates match it.
void CheckOutputsAgree(const fs::path& out) {
  TLines pointMif(ReadAll(out / "point.mif")), pointMid(ReadAll(out / "point.mid"));
  TLines regionMif(ReadAll(out / "region.mif")), regionMid(ReadAll(out / "region.mid"));
  TLines xyz(ReadAll(out / "xyz.txt"));
  for (int i = 0; i < 8; ++i) pointMif.Next(), regionMif.Next();  // the headers
  while (!xyz.AtEnd()) {
    const std::string_view line = xyz.Next();
    const std::size_t comma1 = line.find(','), comma2 = line.find(',', comma1 + 1);
    FUZZ_CHECK(comma2 != std::string_view::npos);
    const std::string_view h = line.substr(comma2 + 1);
    FUZZ_CHECK(pointMid.Next() == h && regionMid.Next() == h);
    FUZZ_CHECK(pointMif.Next() == "Point ");
    FUZZ_CHECK(pointMif.Next() == std::string(line.substr(0, comma1)) +
                                      std::string(line.substr(comma1 + 1, comma2 - comma1 - 1)));
    FUZZ_CHECK(pointMif.Next() == "    Symbol (34,0,9) ");
    FUZZ_CHECK(regionMif.Next() == "Region  1");
    for (int i = 0; i < 8; ++i) regionMif.Next();
  }
  FUZZ_CHECK(pointMif.AtEnd() && pointMid.AtEnd() && regionMif.AtEnd() && regionMid.AtEnd());
}

void Check(std::string_view bytes) {
  if (bytes.size() < 4) return;
  std::vector<std::string_view> parts = Parts(bytes.substr(4));
  const std::string_view index = parts[0].substr(0, kMaxIndexBytes);
  parts.erase(parts.begin());
  const std::string root = (WorkFolder() / "disc").string();
  const std::vector<std::string> lines = IndexLines(index);
  WriteDisc(root, index, lines, parts);

  TRunRequest request;
  request.dataRoot = root;
  PlaceRectangle(request, SheetExtentFromLine(lines[0]), bytes);
  std::vector<std::string> selected;
  TRunParams box;
  bool valid = false;
  try {
    box.Y_min = ParseNumberText(request.Y_min).value;
    box.Y_max = ParseNumberText(request.Y_max).value;
    box.X_min = ParseNumberText(request.X_min).value;
    box.X_max = ParseNumberText(request.X_max).value;
    valid = true;
  } catch (const ERunFailure&) {
  }
  if (valid)
    for (const std::string& line : lines)
      if (SheetTouchesBox(SheetExtentFromLine(line), box)) selected.push_back(line);

  const fs::path out = WorkFolder() / "out";
  const struct {
    TOutputFormat format;
    const char* name;
  } runs[] = {{TOutputFormat::ofPointMif, "point"},
              {TOutputFormat::ofRegionMif, "region"},
              {TOutputFormat::ofXyzText, "xyz"}};
  std::optional<TOutcome> first;
  for (const auto& run : runs) {
    request.format = run.format;
    request.baseName = (out / run.name).string();
    const TOutcome outcome = RunOnce(request);
    CheckLog(outcome, IndexFilePath(root), selected);
    if (first)
      FUZZ_CHECK(outcome == *first);
    else
      first = outcome;
  }
  if (!first->failure && first->log.size() > 1) CheckOutputsAgree(out);
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::fuzz::Check(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
