#include "source/sheet_grid.h"

#include "run/number_text.h"

namespace velmora {

namespace {

constexpr std::size_t kFirstFieldOffset = 9;  // 0-based start of cell 1
constexpr std::size_t kFieldWidth = 5;
constexpr std::string_view kNoData = "-9999";

std::string_view CellText(std::string_view row, int column) {
  const std::size_t start = kFirstFieldOffset + kFieldWidth * static_cast<std::size_t>(column - 1);
  if (start >= row.size()) return {};
  return row.substr(start, kFieldWidth);
}

void ReadRow(std::string_view row, double y, const TSheetExtent& extent, const TRunParams& bounds,
             TCellSink& emit) {
  for (int j = 1; j <= kGridColumns; ++j) {
    const std::string_view text = CellText(row, j);
    if (text == kNoData) continue;
    const double h = ParseNumberText(text).value / 10;
    const double x = (extent.west + dlon * (j - 1)) + dlon / 2;
    if (bounds.X_min <= x && x < bounds.X_max) emit.Write({x, y, h});
  }
}

}  // namespace

void ReadSheetGrid(TTextLineReader& reader, const TSheetExtent& extent, const TRunParams& bounds,
                   TCellSink& emit) {
  reader.ReadLine();  // the header
  for (int i = 1; i <= kGridRows; ++i) {
    const std::string_view row = reader.ReadLine();
    const double y = (extent.north - dlat * (i - 1)) - dlat / 2;
    if (y < bounds.Y_min || y > bounds.Y_max) continue;
    ReadRow(row, y, extent, bounds, emit);
  }
}

}  // namespace velmora
