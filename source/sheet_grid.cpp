#include "source/sheet_grid.h"

#include <array>
#include <cstdint>
#include <optional>

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

// The value of a whole five-byte cell text by the numeric text rule, the
// short way first; nothing for the no-data marker.
std::optional<double> FieldValue(const char* field) {
  const std::uint64_t bytes = FiveBytes(field);
  if (bytes == kNoData) return std::nullopt;
  if (const std::optional<double> whole = ShortWholeNumber(bytes)) return whole;
  return ParseNumberText({field, kFieldWidth}).value;
}

// The same for a cell text that a short row may have cut (only a whole five
// bytes can be the marker).
std::optional<double> CutFieldValue(std::string_view text) {
  if (text.size() == kFieldWidth) return FieldValue(text.data());
  return ParseNumberText(text).value;
}

// The sheet's columns as every row sees them, worked out once per sheet:
// the centre longitude of cell j and whether it lies in the rectangle.
struct TColumns {
  std::array<double, kGridColumns> x;
  std::array<bool, kGridColumns> inside;  // X_min <= x < X_max
};

TColumns SheetColumns(const TSheetExtent& extent, const TRunParams& bounds) {
  TColumns columns;
  for (int j = 1; j <= kGridColumns; ++j) {
    const double x = (extent.west + dlon * (j - 1)) + dlon / 2;
    const auto c = static_cast<std::size_t>(j - 1);
    columns.x[c] = x;
    columns.inside[c] = bounds.X_min <= x && x < bounds.X_max;
  }
  return columns;
}

// Room for one row's kept cells.
using TKeptCells = std::array<TGridCell, kGridColumns>;

// Every field is converted, so that a value too large to hold fails wherever
// it stands; only the cells inside the rectangle are kept.
void ReadRow(std::string_view row, double y, const TColumns& columns, TKeptCells& kept,
             TCellSink& emit) {
  const bool full = row.size() >= kFullRow;  // every field there, no bounds to test
  std::size_t count = 0;
  for (int j = 1; j <= kGridColumns; ++j) {
    const auto c = static_cast<std::size_t>(j - 1);
    const std::optional<double> value =
        full ? FieldValue(row.data() + kFirstFieldOffset + kFieldWidth * c)
             : CutFieldValue(CellText(row, j));
    if (value && columns.inside[c]) kept[count++] = {columns.x[c], y, *value / 10};
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
