#include "tools/sample_disc/sample_disc.h"

#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "tools/sample_disc/grid_file.h"
#include "tools/sample_disc/index_file.h"

namespace velmora::sample_disc {

namespace {

// One write of the whole content.
void WriteWholeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::filesystem::path GridFilePath(const std::filesystem::path& folder, const std::string& code) {
  return folder / "data" / code.substr(0, 4) / (code + ".mem");
}

}  // namespace

std::vector<TMeshSheet> WriteSampleDisc(const std::filesystem::path& folder, const TGeoBox& box) {
  std::vector<TMeshSheet> sheets = SheetsTouching(box);
  std::filesystem::create_directories(folder);
  for (const TMeshSheet& sheet : sheets) {
    const std::filesystem::path path = GridFilePath(folder, SheetCode(sheet));
    std::filesystem::create_directories(path.parent_path());
    WriteWholeFile(path, GridFileBytes(sheet));
  }
  WriteWholeFile(folder / "zumei.csv", IndexFileBytes(sheets));
  return sheets;
}

}  // namespace velmora::sample_disc
