#include "source/sheet_index.h"

#include "run/number_text.h"

namespace velmora {

namespace {

// The characters from 1-based position `first` on, at most `count` of them.
std::string_view Field(std::string_view line, std::size_t first, std::size_t count) {
  if (line.size() < first) return {};
  return line.substr(first - 1, count);
}

constexpr double kSheetHeight = 1.0 / 12;  // degrees of latitude

}  // namespace

std::string IndexFilePath(std::string_view dataRoot) {
  std::string path(dataRoot);
  path += "\\zumei.csv";
  return path;
}

TSheetExtent SheetExtentFromLine(std::string_view line) {
  const double latitudeCode = ParseNumberText(Field(line, 1, 2)).value;
  const double longitudeCode = ParseNumberText(Field(line, 3, 2)).value;
  const int row = ParseDigitText(Field(line, 5, 1)).value;
  const int col = ParseDigitText(Field(line, 6, 1)).value;

  const double lat0 = (latitudeCode * 2) / 3;
  const double lon0 = longitudeCode + 100;
  TSheetExtent extent;
  extent.south = lat0 + row * kSheetHeight;
  extent.north = lat0 + (row + 1) * kSheetHeight;
  extent.west = lon0 + col / 8.0;
  extent.east = lon0 + (col + 1) / 8.0;
  return extent;
}

bool SheetTouchesBox(const TSheetExtent& extent, const TRunParams& bounds) {
  return extent.south <= bounds.Y_max && extent.north >= bounds.Y_min &&
         extent.west <= bounds.X_max && extent.east >= bounds.X_min;
}

std::string GridFilePath(std::string_view dataRoot, std::string_view line) {
  std::string path(dataRoot);
  path += "\\data\\";
  path += Field(line, 1, 4);
  path += '\\';
  path += Field(line, 1, 6);
  path += ".mem";
  return path;
}

}  // namespace velmora
