// Map sheets: the second-level squares of the regional mesh (JIS X 0410),
// 1/12 degree of latitude by 1/8 degree of longitude. A sheet's six-digit
// code is the latitude code (two digits; lat0 = code × 2 / 3 degrees north),
// the longitude code (two digits; lon0 = code + 100 degrees east), the row
// digit (0..7; south = lat0 + row / 12) and the column digit (0..7; west =
// lon0 + column / 8). The codes cover 0 to 66 2/3 degrees north and 100 to
// 200 degrees east; there are no sheets outside that area.
#pragma once

#include <string>
#include <vector>

#include "tools/sample_disc/geo_box.h"

namespace velmora::sample_disc {

struct TMeshSheet {
  int latitudeCode = 0;   // 0..99
  int longitudeCode = 0;  // 0..99
  int row = 0;            // 0..7, south to north
  int column = 0;         // 0..7, west to east
};

// The six-digit code, e.g. "392754".
std::string SheetCode(const TMeshSheet& sheet);

// The edges in degrees, computed in the same order of operations as the
// converter computes them from an index line, so that both agree bit for bit
// on which sheets touch a rectangle.
TGeoBox SheetEdges(const TMeshSheet& sheet);

// The edges in whole seconds of arc, exact.
struct TSheetSeconds {
  int south = 0;
  int north = 0;
  int west = 0;
  int east = 0;
};
TSheetSeconds SheetSeconds(const TMeshSheet& sheet);

// Every sheet whose edges (SheetEdges) touch `box`, edges and corners
// included: south <= box.north, north >= box.south, west <= box.east,
// east >= box.west. In the natural order of the codes. Empty when the box
// lies outside the coded area or is inverted. Throws std::invalid_argument
// for a bound that is not finite.
std::vector<TMeshSheet> SheetsTouching(const TGeoBox& box);

}  // namespace velmora::sample_disc
