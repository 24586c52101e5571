// A synthetic data disc for trying and timing the converter: for every map
// sheet touching a rectangle, its grid file data/NNNN/NNNNNN.mem (see
// grid_file.h), and the index zumei.csv listing those sheets in code order
// (see index_file.h). The content depends only on the rectangle.
#pragma once

#include <filesystem>
#include <vector>

#include "tools/sample_disc/geo_box.h"
#include "tools/sample_disc/mesh_sheet.h"

namespace velmora::sample_disc {

// Writes the disc for the sheets touching `box` (see SheetsTouching) into
// `folder`, creating it and the data/ folders as needed. Grid files come
// first and the index last, so a disc with an index is complete. Files that
// exist are replaced; nothing else in the folder is touched. Returns the
// sheets written, in code order. Throws std::runtime_error naming the path
// when a folder or file cannot be written (std::filesystem::filesystem_error
// for folders), std::invalid_argument for a bound that is not finite.
std::vector<TMeshSheet> WriteSampleDisc(const std::filesystem::path& folder, const TGeoBox& box);

}  // namespace velmora::sample_disc
