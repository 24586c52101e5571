// The elevation grid file of one map sheet: a header line, then 200 rows of
// 200 values, row 1 the northernmost, cell 1 the westernmost. A row holds 9
// characters that are not read, then one 5-character field per cell (cell j
// at characters 10 + 5 × (j − 1) to 14 + 5 × (j − 1)), elevation in tenths of
// a metre; "-9999" marks a cell without data.
#pragma once

#include <span>

#include "run/run_request.h"
#include "source/sheet_index.h"
#include "source/text_line_reader.h"

namespace velmora {

// Size of one cell, degrees.
inline constexpr double dlon = 0.000625;    // east-west: 200 cells make 1/8 degree
inline constexpr double dlat = 1.0 / 2400;  // north-south: 200 rows make 1/12 degree

inline constexpr int kGridRows = 200;
inline constexpr int kGridColumns = 200;

// One kept cell.
struct TGridCell {
  double x = 0;  // centre longitude, degrees east
  double y = 0;  // centre latitude, degrees north
  double h = 0;  // elevation, metres
};

// Receives the kept cells of a run, in order: the cells of one grid row at a
// time, west to east, all with the same y.
class TCellSink {
 public:
  virtual ~TCellSink() = default;
  virtual void Write(const TGridCell& cell) = 0;
  // A row's kept cells (never empty); by default each one handed to Write.
  virtual void WriteRow(std::span<const TGridCell> cells) {
    for (const TGridCell& cell : cells) Write(cell);
  }
};

// Reads exactly 201 lines from `reader` (open at the start of the grid file)
// and hands every cell that has data and whose centre lies in the rectangle
// (Y_min <= y <= Y_max, X_min <= x < X_max) to `emit`, north to south and west
// to east, one row's kept cells per WriteRow, with
//   y = (north − dlat × (i − 1)) − dlat / 2,  x = (west + dlon × (j − 1)) + dlon / 2,
//   h = value of the cell text / 10.
// A missing line or field reads as empty and gives h = 0. Rows outside the
// latitude range are read but their fields are not parsed; in other rows every
// field is parsed, so a value too large to hold throws the overflow failure
// even for a cell west or east of the rectangle (the kept cells of that row
// before it are then not handed on). Leaves the reader open.
void ReadSheetGrid(TTextLineReader& reader, const TSheetExtent& extent, const TRunParams& bounds,
                   TCellSink& emit);

}  // namespace velmora
