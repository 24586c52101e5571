#include "output/text_line_writer.h"

#include <cstring>

namespace velmora {

void TTextLineWriter::Create(std::string_view fullName) {
  file_ = THostFile::CreateOutput(fullName);
  if (!block_) block_ = std::make_unique<char[]>(kBlockSize);
  used_ = 0;
}

void TTextLineWriter::Flush() {
  const std::size_t bytes = used_;
  used_ = 0;
  file_.Write(block_.get(), bytes);
}

char* TTextLineWriter::Reserve(std::size_t bytes) {
  if (kBlockSize - used_ < bytes) Flush();
  return block_.get() + used_;
}

void TTextLineWriter::WriteText(std::string_view text) {
  if (text.empty()) return;  // an empty view may carry no pointer at all
  while (text.size() > kBlockSize - used_) {
    const std::size_t part = kBlockSize - used_;
    std::memcpy(block_.get() + used_, text.data(), part);
    used_ = kBlockSize;
    text.remove_prefix(part);
    Flush();
  }
  std::memcpy(block_.get() + used_, text.data(), text.size());
  used_ += text.size();
}

void TTextLineWriter::WriteLine(std::string_view text) {
  WriteText(text);
  WriteText("\r\n");
}

void TTextLineWriter::WriteFixed(double value, int width, int decimals) {
  used_ += FormatFixed(value, width, decimals, Reserve(kMaxFixedChars));
}

void TTextLineWriter::Close() {
  Flush();
  file_.Close();
}

}  // namespace velmora
