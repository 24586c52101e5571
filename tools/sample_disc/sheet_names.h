// The sheet name the index gives a map sheet: a plausible Japanese place
// name in CP932 bytes (Shift-JIS with the Windows extensions), chosen from a
// fixed list by the sheet's code, so the same sheet always gets the same
// name. Names repeat across a large disc. No name holds a comma, CR or LF.
#pragma once

#include <string_view>

#include "tools/sample_disc/mesh_sheet.h"

namespace velmora::sample_disc {

std::string_view SheetName(const TMeshSheet& sheet);

}  // namespace velmora::sample_disc
