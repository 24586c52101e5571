// Tiny data discs for tests, written into a fresh temporary folder: an index
// and grid files in the disc's layout, every line ending CR LF unless a test
// writes raw bytes itself.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::test {

// A fresh, empty folder under the system's temporary folder, removed with
// everything in it when the object goes away.
class TTempFolder {
 public:
  TTempFolder();
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// The elevation text (tenths of a metre) of grid row `row`, cell `column`
// (both 1-based); a field of five characters or fewer.
using TCellText = std::function<std::string(int row, int column)>;

// A grid file: a header line, then 200 rows of the code, the 3-digit row
// number and 200 right-aligned five-character fields from `cell`.
std::string GridFileBytes(std::string_view meshCode, const TCellText& cell);

// Writes `bytes` to `path`, creating folders as needed.
void WriteFile(const std::filesystem::path& path, std::string_view bytes);

// The whole content of a file; empty when it does not exist.
std::string ReadFile(const std::filesystem::path& path);

// Writes `root`/zumei.csv from `indexLines` (CR LF after each) and, for each
// line whose first six characters form a code, `root`/data/NNNN/NNNNNN.mem
// with `cell`.
void WriteDisc(const std::filesystem::path& root, const std::vector<std::string>& indexLines,
               const TCellText& cell);

}  // namespace velmora::test
