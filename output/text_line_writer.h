// One output text file while a run writes it. Bytes are written exactly as
// given (no conversion, no byte-order mark, no end-of-file byte); every line
// ends with CR LF. Writes are collected in a block and passed to the file
// system when the block is full and at Close, never at line ends.
//
// Every operation completes or throws ERunFailure (the I/O result code of the
// cause). After a failure nothing more is written; destroying an unclosed
// writer releases its file without writing the bytes still held.
#pragma once

#include <memory>
#include <string_view>

#include "host/host_file.h"
#include "output/format_fixed.h"

namespace velmora {

class TTextLineWriter {
 public:
  TTextLineWriter() = default;

  // Creates the file `fullName` (path text, CP932, backslashes), or empties an
  // existing one, and opens it for writing.
  void Create(std::string_view fullName);

  void WriteText(std::string_view text);
  void WriteLine(std::string_view text = {});  // the text, then CR LF
  void WriteFixed(double value, int width, int decimals);

  // Passes every byte still held to the file system and releases the file.
  void Close();

 private:
  static constexpr std::size_t kBlockSize = 256 * 1024;

  void Flush();
  char* Reserve(std::size_t bytes);

  THostFile file_;
  std::unique_ptr<char[]> block_;
  std::size_t used_ = 0;
};

}  // namespace velmora
