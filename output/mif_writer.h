// The MapInfo interchange pair: the .mif holds a fixed header and one object
// per kept cell, the .mid the cell's elevation, one line per object in the
// same order. Coordinates are fixed-point fields 12,7 (longitude then
// latitude, side by side), elevations 6,1. Every write may throw ERunFailure.
#pragma once

#include <span>

#include "output/text_line_writer.h"
#include "source/sheet_grid.h"

namespace velmora {

// Half the size of a cell, degrees: the distance from its centre to its edges.
inline constexpr double hx = dlon / 2;  // east-west
inline constexpr double hy = dlat / 2;  // north-south

// The eight header lines (113 bytes): version 300, the Japanese Windows
// character set, longitude/latitude coordinates, one column "h".
void WriteMifHeader(TTextLineWriter& mif);

// The cell as a point at its centre: one .mid line, then "Point ", the
// coordinate line and the symbol line.
void WritePointObject(TTextLineWriter& mif, TTextLineWriter& mid, const TGridCell& cell);

// The cell as a closed five-vertex square: one .mid line, then "Region  1",
// "  5", the corners south-west, south-east, north-east, north-west,
// south-west, and the pen and brush lines.
void WriteRegionObject(TTextLineWriter& mif, TTextLineWriter& mid, const TGridCell& cell);

// One object per cell, in order: WritePointObject or WriteRegionObject for
// each, in one call.
void WritePointObjects(TTextLineWriter& mif, TTextLineWriter& mid,
                       std::span<const TGridCell> cells);
void WriteRegionObjects(TTextLineWriter& mif, TTextLineWriter& mid,
                        std::span<const TGridCell> cells);

}  // namespace velmora
