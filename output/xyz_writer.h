// The x,y,z text: one line per kept cell, longitude (12,7), ",", latitude
// (12,7), ",", elevation (6,1), CR LF; no header. May throw ERunFailure.
#pragma once

#include <span>

#include "output/text_line_writer.h"
#include "source/sheet_grid.h"

namespace velmora {

void WriteXyzLine(TTextLineWriter& txt, const TGridCell& cell);

// One line per cell, in order: WriteXyzLine for each, in one call.
void WriteXyzLines(TTextLineWriter& txt, std::span<const TGridCell> cells);

}  // namespace velmora
