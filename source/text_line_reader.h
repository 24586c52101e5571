// Reads one input text file line by line, by the disc's reading rules:
//   - bytes are taken in file order and never converted;
//   - a line ends at CR (13); a LF (10) right after it belongs to the same
//     line end; a LF anywhere else is an ordinary byte of the line;
//   - byte 26 ends the input wherever it stands;
//   - lines have no length limit;
//   - at the end, ReadLine gives an empty line, as often as it is called,
//     without touching the device again.
// The file is read in blocks, never one system call per byte. Open and the
// reads throw ERunFailure when the system reports a failure.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "host/host_file.h"

namespace velmora {

class TTextLineReader {
 public:
  TTextLineReader() = default;

  // Opens an existing file for reading (path text, CP932, backslashes).
  void Open(std::string_view pathText);

  // The next line without its line end. The view stays valid until the next
  // call of ReadLine or Close.
  std::string_view ReadLine();

  // True when no line is left: no byte is left, or the next byte is 26.
  bool AtEnd();

  void Close();

 private:
  static constexpr std::size_t kBlockSize = 64 * 1024;

  // Makes sure a byte is buffered unless the input has ended; false at the end.
  bool Fill();

  THostFile file_;
  std::unique_ptr<char[]> block_;
  std::size_t pos_ = 0;
  std::size_t size_ = 0;
  bool ended_ = false;  // end of file or byte 26 seen: nothing more is read
  std::string line_;
};

}  // namespace velmora
