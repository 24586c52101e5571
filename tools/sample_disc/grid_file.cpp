#include "tools/sample_disc/grid_file.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "tools/sample_disc/fixed_text.h"
#include "tools/sample_disc/terrain.h"

namespace velmora::sample_disc {

namespace {

constexpr double kCellWidth = 0.000625;     // degrees of longitude
constexpr double kCellHeight = 1.0 / 2400;  // degrees of latitude
constexpr std::size_t kFirstField = 9;      // 0-based start of cell 1 in a row
constexpr std::size_t kFieldWidth = 5;

void PutText(char* at, std::string_view text) { std::copy(text.begin(), text.end(), at); }

// DDDMMSS from whole seconds of arc.
void PutAngle(char* at, int seconds) {
  PutZeroPadded({at, 3}, seconds / 3600);
  PutZeroPadded({at + 3, 2}, seconds / 60 % 60);
  PutZeroPadded({at + 5, 2}, seconds % 60);
}

// Survey, revision and issue years, varying from sheet to sheet.
void PutYears(char* at, const TMeshSheet& sheet) {
  const int n = sheet.latitudeCode * 7 + sheet.longitudeCode * 3 + sheet.row * 5 + sheet.column;
  const int surveyed = 1972 + n % 17;
  const int revised = surveyed + 2 + n / 17 % 7;
  const int issued = 1998 + n % 4;
  PutZeroPadded({at, 4}, surveyed);
  PutZeroPadded({at + 4, 4}, revised);
  PutZeroPadded({at + 8, 4}, issued);
}

void PutHeader(char* line, const TMeshSheet& sheet, std::string_view code) {
  const TSheetSeconds corners = SheetSeconds(sheet);
  PutText(line, code);
  PutText(line + 6, "25000");
  PutYears(line + 11, sheet);
  PutText(line + 23, "200200");
  PutAngle(line + 29, corners.south);
  PutAngle(line + 36, corners.west);
  PutAngle(line + 43, corners.north);
  PutAngle(line + 50, corners.east);
}

void PutRow(char* line, const TGeoBox& edges, std::string_view code, int row) {
  PutText(line, code);
  PutZeroPadded({line + 6, 3}, row);
  const double y = (edges.north - kCellHeight * (row - 1)) - kCellHeight / 2;
  char* field = line + kFirstField;
  for (int column = 1; column <= kGridColumns; ++column, field += kFieldWidth) {
    const double x = (edges.west + kCellWidth * (column - 1)) + kCellWidth / 2;
    PutRightAligned({field, kFieldWidth}, ElevationTenths(x, y));
  }
}

}  // namespace

std::string GridFileBytes(const TMeshSheet& sheet) {
  std::string bytes(kGridRecordLength * (kGridRows + 1), ' ');
  for (std::size_t end = kGridLineLength; end < bytes.size(); end += kGridRecordLength) {
    bytes[end] = '\r';
    bytes[end + 1] = '\n';
  }
  const std::string code = SheetCode(sheet);
  PutHeader(bytes.data(), sheet, code);
  const TGeoBox edges = SheetEdges(sheet);
  for (int row = 1; row <= kGridRows; ++row) {
    PutRow(bytes.data() + kGridRecordLength * static_cast<std::size_t>(row), edges, code, row);
  }
  return bytes;
}

}  // namespace velmora::sample_disc
