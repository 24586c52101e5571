#include "support/tiny_disc.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace velmora::test {

TTempFolder::TTempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TTempFolder::~TTempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string GridFileBytes(std::string_view meshCode, const TCellText& cell) {
  std::string bytes(meshCode);
  bytes += "  header\r\n";
  for (int row = 1; row <= 200; ++row) {
    std::string line(meshCode);
    const std::string number = std::to_string(row);
    line += std::string(3 - number.size(), '0') + number;
    for (int column = 1; column <= 200; ++column) {
      const std::string text = cell(row, column);
      line += std::string(5 - std::min<std::size_t>(5, text.size()), ' ') + text;
    }
    bytes += line + "\r\n";
  }
  return bytes;
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteDisc(const std::filesystem::path& root, const std::vector<std::string>& indexLines,
               const TCellText& cell) {
  std::string index;
  for (const auto& line : indexLines) index += line + "\r\n";
  WriteFile(root / "zumei.csv", index);
  for (const auto& line : indexLines) {
    if (line.size() < 6) continue;
    const std::string code = line.substr(0, 6);
    WriteFile(root / "data" / code.substr(0, 4) / (code + ".mem"), GridFileBytes(code, cell));
  }
}

}  // namespace velmora::test
