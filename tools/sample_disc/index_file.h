// The bytes of the sheet index "zumei.csv" at the disc's root: one line per
// sheet, in the order given, the six-digit code, a comma and the sheet name
// in CP932, each line ending CR LF.
#pragma once

#include <string>
#include <vector>

#include "tools/sample_disc/mesh_sheet.h"

namespace velmora::sample_disc {

std::string IndexFileBytes(const std::vector<TMeshSheet>& sheets);

}  // namespace velmora::sample_disc
