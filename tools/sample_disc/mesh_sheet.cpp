#include "tools/sample_disc/mesh_sheet.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "tools/sample_disc/fixed_text.h"

namespace velmora::sample_disc {

namespace {

constexpr int kLastCode = 99;
constexpr int kSquaresPerCode = 8;  // rows per latitude code, columns per longitude code

struct TCodeRange {
  int first = 0;
  int last = -1;
};

// The codes whose squares may touch [low, high], a code spanning
// [code, code + 1) in these units, and the code below the first, whose top
// square ends exactly on `low` when `low` is a code boundary. Clamped to
// 00..99; the touch test decides.
TCodeRange CandidateCodes(double low, double high) {
  const double first = std::max(0.0, std::floor(low) - 1);
  const double last = std::min(static_cast<double>(kLastCode), std::floor(high));
  if (first > last) return {};
  return {static_cast<int>(first), static_cast<int>(last)};
}

bool Touches(const TGeoBox& sheet, const TGeoBox& box) {
  return sheet.south <= box.north && sheet.north >= box.south && sheet.west <= box.east &&
         sheet.east >= box.west;
}

void RequireFinite(const TGeoBox& box) {
  if (!std::isfinite(box.south) || !std::isfinite(box.north) || !std::isfinite(box.west) ||
      !std::isfinite(box.east)) {
    throw std::invalid_argument("the rectangle's bounds must be finite numbers");
  }
}

}  // namespace

std::string SheetCode(const TMeshSheet& sheet) {
  std::string code(6, '0');
  PutZeroPadded({code.data(), 2}, sheet.latitudeCode);
  PutZeroPadded({code.data() + 2, 2}, sheet.longitudeCode);
  PutZeroPadded({code.data() + 4, 1}, sheet.row);
  PutZeroPadded({code.data() + 5, 1}, sheet.column);
  return code;
}

TGeoBox SheetEdges(const TMeshSheet& sheet) {
  const double twelfth = 1.0 / 12;
  const double lat0 = (static_cast<double>(sheet.latitudeCode) * 2) / 3;
  const double lon0 = static_cast<double>(sheet.longitudeCode) + 100;
  TGeoBox edges;
  edges.south = lat0 + sheet.row * twelfth;
  edges.north = lat0 + (sheet.row + 1) * twelfth;
  edges.west = lon0 + sheet.column / 8.0;
  edges.east = lon0 + (sheet.column + 1) / 8.0;
  return edges;
}

TSheetSeconds SheetSeconds(const TMeshSheet& sheet) {
  const int south = sheet.latitudeCode * 2400 + sheet.row * 300;  // 2/3° and 1/12° in seconds
  const int west = (sheet.longitudeCode + 100) * 3600 + sheet.column * 450;  // 1° and 1/8°
  return {south, south + 300, west, west + 450};
}

std::vector<TMeshSheet> SheetsTouching(const TGeoBox& box) {
  RequireFinite(box);
  const TCodeRange latCodes = CandidateCodes(box.south * 1.5, box.north * 1.5);
  const TCodeRange lonCodes = CandidateCodes(box.west - 100, box.east - 100);

  std::vector<TMeshSheet> sheets;
  for (int latCode = latCodes.first; latCode <= latCodes.last; ++latCode) {
    for (int lonCode = lonCodes.first; lonCode <= lonCodes.last; ++lonCode) {
      for (int row = 0; row < kSquaresPerCode; ++row) {
        for (int column = 0; column < kSquaresPerCode; ++column) {
          const TMeshSheet sheet{latCode, lonCode, row, column};
          if (Touches(SheetEdges(sheet), box)) sheets.push_back(sheet);
        }
      }
    }
  }
  return sheets;
}

}  // namespace velmora::sample_disc
