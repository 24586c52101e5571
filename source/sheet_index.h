// The map sheet index "zumei.csv": one line per sheet, whose first six
// characters are the sheet's second-level mesh code (latitude code 2, longitude
// code 2, row digit 1, column digit 1); the rest of the line is not read.
#pragma once

#include <string>
#include <string_view>

#include "run/run_request.h"

namespace velmora {

// The edges of one map sheet, decimal degrees.
struct TSheetExtent {
  double south = 0;  // degrees north
  double north = 0;  // degrees north
  double west = 0;   // degrees east
  double east = 0;   // degrees east
};

// dataRoot + "\zumei.csv".
std::string IndexFilePath(std::string_view dataRoot);

// The extent of the line's mesh code:
//   lat0 = code(1-2) × 2 / 3, lon0 = code(3-4) + 100,
//   south = lat0 + row × (1/12), north = lat0 + (row + 1) × (1/12),
//   west = lon0 + col / 8, east = lon0 + (col + 1) / 8.
// The codes take the value of the numeric text rule, the digits that of the
// single-digit rule, accepted or not; a short line gives shorter (or empty)
// fields. Never fails for a malformed line.
TSheetExtent SheetExtentFromLine(std::string_view line);

// True when the sheet touches the run's rectangle, edges and corners included:
// south <= Y_max, north >= Y_min, west <= X_max, east >= X_min.
bool SheetTouchesBox(const TSheetExtent& extent, const TRunParams& bounds);

// dataRoot + "\data\" + characters 1-4 + "\" + characters 1-6 + ".mem", with
// as many of the line's characters as exist.
std::string GridFilePath(std::string_view dataRoot, std::string_view line);

}  // namespace velmora
