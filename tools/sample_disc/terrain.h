// The synthetic landscape of the sample disc: islands in a sea, a pure
// function of position built from hashed lattice values with smooth
// interpolation (integer hashing, the four basic operations and floor only,
// no library function whose last bit could differ between machines). It is
// continuous everywhere except at the shore, where land meets the no-data
// sea, so sheets that share an edge match along it.
#pragma once

namespace velmora::sample_disc {

// The grid value of a cell without data (the open sea).
inline constexpr int kNoDataTenths = -9999;

// The elevation at (`longitude` degrees east, `latitude` degrees north) in
// tenths of a metre: kNoDataTenths for the sea, -50..-1 (-5.0 to -0.1 m) for
// a narrow band of low ground along the shore, otherwise 0 up to some
// hundreds of metres (never above 7300, 730 m). Always -50..7300 or
// kNoDataTenths, so it fits a five-character field.
int ElevationTenths(double longitude, double latitude);

}  // namespace velmora::sample_disc
