#include "source/sheet_grid.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "run/number_text.h"
#include "run/short_whole_number.h"

namespace velmora {

namespace {

constexpr std::size_t kFirstFieldOffset = 9;  // 0-based start of cell 1
constexpr std::size_t kFieldWidth = 5;
constexpr std::size_t kFullRow = kFirstFieldOffset + kFieldWidth * kGridColumns;
constexpr std::uint64_t kNoData = 0x39'39'39'39'2D;  // "-9999" as FiveBytes reads it

std::string_view CellText(std::string_view row, int column) {
  const std::size_t start = kFirstFieldOffset + kFieldWidth * static_cast<std::size_t>(column - 1);
  if (start >= row.size()) return {};
  return row.substr(start, kFieldWidth);
}

// Sets `value` to the value of a whole five-byte cell text by the numeric
// text rule, the short way first; false for the no-data marker.
[[gnu::always_inline]] inline bool FieldValue(const char* field, double& value) {
  const std::uint64_t bytes = FiveBytes(field);
  if (bytes == kNoData) return false;
  if (!ShortWholeNumber(bytes, value)) value = ParseNumberText({field, kFieldWidth}).value;
  return true;
}

// The same for a cell text that a short row may have cut (only a whole five
// bytes can be the marker).
bool CutFieldValue(std::string_view text, double& value) {
  if (text.size() == kFieldWidth) return FieldValue(text.data(), value);
  value = ParseNumberText(text).value;
  return true;
}

// The sheet's columns as every row sees them, worked out once per sheet:
// the centre longitude of each cell, and the cells that lie in the
// rectangle. Longitudes grow with the column (each step of the formula
// rounds a growing exact value), so those cells are the columns
// [first, last) of the sheet.
struct TColumns {
  std::array<double, kGridColumns> x;
  std::size_t first = 0;
  std::size_t last = 0;
};

TColumns SheetColumns(const TSheetExtent& extent, const TRunParams& bounds) {
  TColumns columns;
  for (int j = 1; j <= kGridColumns; ++j) {
    const double x = (extent.west + dlon * (j - 1)) + dlon / 2;
    const auto c = static_cast<std::size_t>(j - 1);
    columns.x[c] = x;
    if (x < bounds.X_min) columns.first = c + 1;
    if (x < bounds.X_max) columns.last = c + 1;
  }
  columns.last = std::max(columns.first, columns.last);
  return columns;
}

// Room for one row's kept cells.
using TKeptCells = std::array<TGridCell, kGridColumns>;

// Every field is converted, so that a value too large to hold fails wherever
// it stands; only the cells inside the rectangle are kept.
void ReadRow(std::string_view row, double y, const TColumns& columns, TKeptCells& kept,
             TCellSink& emit) {
  std::size_t count = 0;
  if (row.size() >= kFullRow) {  // every field there, no bounds to test
    const char* field = row.data() + kFirstFieldOffset;
    const auto at = [field](std::size_t c) { return field + kFieldWidth * c; };
    double value = 0;
    for (std::size_t c = 0; c < columns.first; ++c) FieldValue(at(c), value);
    for (std::size_t c = columns.first; c < columns.last; ++c)
      if (FieldValue(at(c), value)) kept[count++] = {columns.x[c], y, value / 10};
    for (std::size_t c = columns.last; c < kGridColumns; ++c) FieldValue(at(c), value);
  } else {
    for (int j = 1; j <= kGridColumns; ++j) {
      const auto c = static_cast<std::size_t>(j - 1);
      double value = 0;
      if (CutFieldValue(CellText(row, j), value) && c >= columns.first && c < columns.last)
        kept[count++] = {columns.x[c], y, value / 10};
    }
  }
  if (count > 0) emit.WriteRow({kept.data(), count});
}

}  // namespace

void ReadSheetGrid(TTextLineReader& reader, const TSheetExtent& extent, const TRunParams& bounds,
                   TCellSink& emit) {
  const TColumns columns = SheetColumns(extent, bounds);
  TKeptCells kept;
  reader.ReadLine();  // the header
  for (int i = 1; i <= kGridRows; ++i) {
    const std::string_view row = reader.ReadLine();
    const double y = (extent.north - dlat * (i - 1)) - dlat / 2;
    if (y < bounds.Y_min || y > bounds.Y_max) continue;
    ReadRow(row, y, columns, kept, emit);
  }
}

}  // namespace velmora
