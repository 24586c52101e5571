// The bytes of one sheet's grid file (data/NNNN/NNNNNN.mem): 201 lines of
// exactly 1009 characters, each followed by CR LF (records of 1011 bytes).
//
// Header line (1-based characters): 1-6 the mesh code, 7-11 "25000", 12-15,
// 16-19 and 20-23 three years (19xx or 20xx), 24-29 "200200" (columns and
// rows), 30-36 / 37-43 the south-west corner's latitude / longitude and 44-50
// / 51-57 the north-east corner's, each DDDMMSS (degrees, minutes, seconds),
// then blanks.
//
// Rows 1..200, row 1 the northernmost: 1-6 the mesh code, 7-9 the row number
// ("001"), then 200 five-character fields, west to east, right-aligned with
// blanks: the elevation in tenths of a metre, "-9999" for no data. Cell
// (i, j) covers latitudes north - i/2400 to north - (i-1)/2400 and longitudes
// west + (j-1) × 0.000625 to west + j × 0.000625; its value is the terrain at
// its centre, computed as the converter computes the centre.
#pragma once

#include <cstddef>
#include <string>

#include "tools/sample_disc/mesh_sheet.h"

namespace velmora::sample_disc {

inline constexpr std::size_t kGridLineLength = 1009;                   // without CR LF
inline constexpr std::size_t kGridRecordLength = kGridLineLength + 2;  // with CR LF
inline constexpr int kGridRows = 200;
inline constexpr int kGridColumns = 200;

std::string GridFileBytes(const TMeshSheet& sheet);

}  // namespace velmora::sample_disc
