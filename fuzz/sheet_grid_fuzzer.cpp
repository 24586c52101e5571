// A grid file of arbitrary bytes read by ReadSheetGrid, for the sheet of an
// arbitrary mesh code and under arbitrary bounds, against a deliberately
// plain reading of the same file: the same cells with the same bits, in the
// same order and handed on a row at a time, the same overflow failure in the
// same row, and exactly 201 lines taken from the reader. Every cell lies in
// the rectangle, rows north to south and cells west to east. A row is skipped
// when y < Y_min or y > Y_max, also for raw bounds that are not numbers.
//
// Input: bytes 0-5 the mesh code; byte 6 the mode: bit 0 set takes the
// bounds as four raw doubles (32 bytes) instead of four bytes that place a
// rectangle around the sheet, bit 1 set reads the file 7 bytes at a time;
// then the bounds; the rest is the grid file.
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "host/file_ops.h"
#include "memory_file_ops.h"
#include "reference_reader.h"
#include "run/number_text.h"
#include "run/run_failure.h"
#include "source/sheet_grid.h"

namespace velmora::fuzz {
namespace {

struct TInput {
  std::string code;
  TRunParams bounds;
  bool smallReads = false;
  std::string_view file;
};

double Fraction(char byte) { return static_cast<unsigned char>(byte) / 255.0; }

// Four bytes to a rectangle from a little outside the sheet to a little
// inside it, corners on the edges included.
TRunParams AroundSheet(const TSheetExtent& e, std::string_view b) {
  const double height = e.north - e.south, width = e.east - e.west;
  TRunParams p;
  p.Y_min = e.south + (Fraction(b[0]) * 1.2 - 0.1) * height;
  p.Y_max = p.Y_min + Fraction(b[1]) * 1.2 * height;
  p.X_min = e.west + (Fraction(b[2]) * 1.2 - 0.1) * width;
  p.X_max = p.X_min + Fraction(b[3]) * 1.2 * width;
  return p;
}

std::optional<TInput> Split(std::string_view bytes) {
  if (bytes.size() < 7) return std::nullopt;
  TInput in;
  in.code = std::string(bytes.substr(0, 6));
  const auto mode = static_cast<unsigned char>(bytes[6]);
  in.smallReads = (mode & 2u) != 0;
  bytes.remove_prefix(7);
  if ((mode & 1u) != 0) {
    if (bytes.size() < 32) return std::nullopt;
    double raw[4];
    std::memcpy(raw, bytes.data(), sizeof raw);
    in.bounds.Y_min = raw[0], in.bounds.Y_max = raw[1], in.bounds.X_min = raw[2],
    in.bounds.X_max = raw[3];
    bytes.remove_prefix(32);
  } else {
    if (bytes.size() < 4) return std::nullopt;
    in.bounds = AroundSheet(SheetExtentFromLine(in.code), bytes);
    bytes.remove_prefix(4);
  }
  in.file = bytes;
  return in;
}

// Collects cells; its room for a whole sheet is kept from input to input.
// Rows come whole: never empty, one latitude throughout.
class TCells : public TCellSink {
 public:
  TCells() { cells.reserve(200 * 200); }
  void Write(const TGridCell& cell) override { cells.push_back(cell); }
  void WriteRow(std::span<const TGridCell> row) override {
    FUZZ_CHECK(!row.empty());
    for (const TGridCell& cell : row) {
      FUZZ_CHECK(std::memcmp(&cell.y, &row.front().y, sizeof cell.y) == 0);
      Write(cell);
    }
  }
  std::vector<TGridCell> cells;
};

// The plain reading: line 1 skipped; rows 2-201 north to south; in each row
// inside the latitude range, cell j at bytes 9 + 5(j - 1) to 13 + 5(j - 1)
// (fewer where the row is shorter); "-9999" skipped, everything else
// converted, and kept when its centre lies in the rectangle. A row's cells
// are handed on once the row is done, so an overflow hands on none of its row.
void ReferenceCells(TReferenceReader& reader, const TSheetExtent& e, const TRunParams& b,
                    TCellSink& out) {
  reader.ReadLine();
  std::vector<TGridCell> kept;
  for (int i = 1; i <= 200; ++i) {
    const std::string row = reader.ReadLine();
    const double y = (e.north - dlat * (i - 1)) - dlat / 2;
    if (y < b.Y_min || y > b.Y_max) continue;
    kept.clear();
    for (int j = 1; j <= 200; ++j) {
      const std::size_t start = 9 + 5 * static_cast<std::size_t>(j - 1);
      const std::string text = start < row.size() ? row.substr(start, 5) : std::string();
      if (text == "-9999") continue;
      const double h = ParseNumberText(text).value / 10;
      const double x = (e.west + dlon * (j - 1)) + dlon / 2;
      if (b.X_min <= x && x < b.X_max) kept.push_back({x, y, h});
    }
    for (const TGridCell& cell : kept) out.Write(cell);
  }
}

bool SameBits(const TGridCell& a, const TGridCell& b) {
  return std::memcmp(&a.x, &b.x, sizeof a.x) == 0 && std::memcmp(&a.y, &b.y, sizeof a.y) == 0 &&
         std::memcmp(&a.h, &b.h, sizeof a.h) == 0;
}

void CheckOrderAndBounds(const std::vector<TGridCell>& cells, const TRunParams& b) {
  for (std::size_t k = 0; k < cells.size(); ++k) {
    const TGridCell& c = cells[k];
    FUZZ_CHECK(!(c.y < b.Y_min) && !(c.y > b.Y_max) && b.X_min <= c.x && c.x < b.X_max);
    if (k > 0) {
      const TGridCell& p = cells[k - 1];
      FUZZ_CHECK(c.y < p.y || (c.y == p.y && c.x > p.x));
    }
  }
  FUZZ_CHECK(cells.size() <= 200u * 200u);
}

void Check(const TInput& in) {
  const TSheetExtent extent = SheetExtentFromLine(in.code);
  TMemoryFileOps ops;
  ops.AddFile("grid", std::string(in.file));
  if (in.smallReads) ops.SetReadSizes({7});
  TScopedFileOps scoped(ops);

  static TCells got, expected;
  got.cells.clear();
  expected.cells.clear();
  bool gotOverflow = false, expectedOverflow = false;
  TTextLineReader reader;
  reader.Open("grid");
  try {
    ReadSheetGrid(reader, extent, in.bounds, got);
  } catch (const ERunFailure& failure) {
    FUZZ_CHECK(failure.code() == 0);
    gotOverflow = true;
  }
  TReferenceReader reference(in.file);
  try {
    ReferenceCells(reference, extent, in.bounds, expected);
  } catch (const ERunFailure&) {
    expectedOverflow = true;
  }
  FUZZ_CHECK(gotOverflow == expectedOverflow);
  FUZZ_CHECK(got.cells.size() == expected.cells.size());
  for (std::size_t k = 0; k < got.cells.size(); ++k)
    FUZZ_CHECK(SameBits(got.cells[k], expected.cells[k]));
  CheckOrderAndBounds(got.cells, in.bounds);
  if (!gotOverflow) FUZZ_CHECK(reader.ReadLine() == reference.ReadLine());  // line 202
  reader.Close();
  FUZZ_CHECK(ops.openFiles() == 0);
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto input =
      velmora::fuzz::Split(std::string_view(reinterpret_cast<const char*>(data), size));
  if (input) velmora::fuzz::Check(*input);
  return 0;
}
