#include "output/text_line_writer.h"

#include <cstring>

namespace velmora {

void TTextLineWriter::Create(std::string_view fullName) {
  file_ = THostFile::CreateOutput(fullName);
  if (!block_) block_ = std::make_unique_for_overwrite<char[]>(kBlockSize);
  if (!coordinates_) {
    // 4800 slots per degree for the cells' centres and edges, 10 per metre
    // for elevation tenths (output/field_texts.h).
    coordinates_ = std::make_unique<TFieldTexts>(12, 7, 4800.0, 1024);
    elevations_ = std::make_unique<TFieldTexts>(6, 1, 10.0, 4096);
  }
  used_ = 0;
}

void TTextLineWriter::Flush() {
  const std::size_t bytes = used_;
  used_ = 0;
  file_.Write(block_.get(), bytes);
}

void TTextLineWriter::WriteAcrossBlocks(std::string_view text) {
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

void TTextLineWriter::Close() {
  Flush();
  file_.Close();
}

}  // namespace velmora
