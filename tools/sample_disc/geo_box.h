// A latitude/longitude rectangle in decimal degrees (north latitude, east
// longitude), closed on every side, and the rectangle the sample disc covers
// when none is given.
#pragma once

namespace velmora::sample_disc {

struct TGeoBox {
  double south = 0;  // degrees north
  double north = 0;  // degrees north
  double west = 0;   // degrees east
  double east = 0;   // degrees east
};

// The window's default rectangle: the middle of Okinawa Island.
inline constexpr TGeoBox kDefaultBox{26.056649, 26.881738, 127.619553, 128.357271};

}  // namespace velmora::sample_disc
