#include "source/text_line_reader.h"

#include <cstring>

namespace velmora {

namespace {

constexpr char kCarriageReturn = 13;
constexpr char kLineFeed = 10;
constexpr char kEndOfInput = 26;

// The first carriage return or byte 26 in [begin, end), or end.
const char* FindLineEnd(const char* begin, const char* end) {
  const auto* cr = static_cast<const char*>(
      std::memchr(begin, kCarriageReturn, static_cast<std::size_t>(end - begin)));
  const char* limit = cr != nullptr ? cr : end;
  const auto* eof = static_cast<const char*>(
      std::memchr(begin, kEndOfInput, static_cast<std::size_t>(limit - begin)));
  return eof != nullptr ? eof : limit;
}

}  // namespace

void TTextLineReader::Open(std::string_view pathText) {
  file_ = THostFile::OpenInput(pathText);
  if (!block_) block_ = std::make_unique_for_overwrite<char[]>(kBlockSize);
  pos_ = size_ = 0;
  ended_ = false;
}

bool TTextLineReader::Fill() {
  if (pos_ < size_) return true;
  if (ended_) return false;
  size_ = file_.Read(block_.get(), kBlockSize);
  pos_ = 0;
  if (size_ == 0) ended_ = true;
  return size_ > 0;
}

std::string_view TTextLineReader::ReadLine() {
  line_.clear();
  while (Fill()) {
    const char* begin = block_.get() + pos_;
    const char* end = block_.get() + size_;
    const char* stop = FindLineEnd(begin, end);
    pos_ = static_cast<std::size_t>(stop - block_.get());
    if (stop == end) {
      line_.append(begin, end);
      continue;
    }
    if (*stop == kEndOfInput) {
      ended_ = true;
      pos_ = size_;
      line_.append(begin, stop);
      return line_;
    }
    ++pos_;  // the carriage return
    if (line_.empty() && pos_ < size_) {
      // The whole line lies in the block: hand it out without a copy.
      if (block_[pos_] == kLineFeed) ++pos_;
      return {begin, static_cast<std::size_t>(stop - begin)};
    }
    line_.append(begin, stop);
    if (Fill() && block_[pos_] == kLineFeed) ++pos_;
    return line_;
  }
  return line_;
}

bool TTextLineReader::AtEnd() { return !Fill() || block_[pos_] == kEndOfInput; }

void TTextLineReader::Close() { file_.Close(); }

}  // namespace velmora
