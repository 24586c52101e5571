#include "tools/sample_disc/index_file.h"

#include "tools/sample_disc/sheet_names.h"

namespace velmora::sample_disc {

std::string IndexFileBytes(const std::vector<TMeshSheet>& sheets) {
  std::string bytes;
  for (const TMeshSheet& sheet : sheets) {
    bytes += SheetCode(sheet);
    bytes += ',';
    bytes += SheetName(sheet);
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace velmora::sample_disc
