// One output text file while a run writes it. Bytes are written exactly as
// given (no conversion, no byte-order mark, no end-of-file byte); every line
// ends with CR LF. Writes are collected in a block and passed to the file
// system when the block is full and at Close, never at line ends.
//
// Every operation completes or throws ERunFailure (the I/O result code of the
// cause). After a failure nothing more is written; destroying an unclosed
// writer releases its file without writing the bytes still held.
#pragma once

#include <cstring>
#include <memory>
#include <string_view>

#include "host/host_file.h"
#include "output/field_texts.h"
#include "output/format_fixed.h"

namespace velmora {

class TTextLineWriter {
 public:
  TTextLineWriter() = default;

  // Creates the file `fullName` (path text, CP932, backslashes), or empties an
  // existing one, and opens it for writing.
  void Create(std::string_view fullName);

  void WriteText(std::string_view text) {
    if (text.size() > kBlockSize - used_) return WriteAcrossBlocks(text);
    if (!text.empty()) std::memcpy(block_.get() + used_, text.data(), text.size());
    used_ += text.size();
  }

  void WriteLine(std::string_view text = {}) {  // the text, then CR LF
    WriteText(text);
    WriteText("\r\n");
  }

  void WriteFixed(double value, int width, int decimals) {
    used_ += FormatFixed(value, width, decimals, Room(kMaxFixedChars));
  }

  // Composing in place, for writers that know a whole line (or object) at
  // once: Room(bytes) is where the next `bytes` bytes go (bytes <= 256 KiB; the
  // block is passed on first when it lacks them); the Put functions write at
  // `at` and return the end of what they wrote; Commit(end) counts the bytes
  // up to `end` as written. Nothing composed counts before Commit.
  char* Room(std::size_t bytes) {
    if (kBlockSize - used_ < bytes) Flush();
    return block_.get() + used_;
  }
  void Commit(const char* end) { used_ = static_cast<std::size_t>(end - block_.get()); }

  static char* Put(std::string_view text, char* at) {
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
  }
  // FormatFixed(value, 12, 7), the shape of every coordinate, and
  // FormatFixed(value, 6, 1), that of every elevation, with the texts of
  // recent values remembered (output/field_texts.h). Each needs
  // kMaxFixedChars of room at `at`.
  char* PutCoordinate(double value, char* at) { return at + coordinates_->Write(value, at); }
  char* PutElevation(double value, char* at) { return at + elevations_->Write(value, at); }

  // Passes every byte still held to the file system and releases the file.
  void Close();

 private:
  static constexpr std::size_t kBlockSize = 256 * 1024;

  void WriteAcrossBlocks(std::string_view text);
  void Flush();

  THostFile file_;
  std::unique_ptr<char[]> block_;
  std::size_t used_ = 0;
  std::unique_ptr<TFieldTexts> coordinates_;
  std::unique_ptr<TFieldTexts> elevations_;
};

}  // namespace velmora
