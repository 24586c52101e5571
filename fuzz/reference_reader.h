// The reading rules of the disc's text files written as plainly as possible,
// one byte at a time, to check the block reader against:
//   - a line ends at CR; a LF right after the CR belongs to that line end;
//   - any other LF is an ordinary byte;
//   - byte 26 ends the input where it stands;
//   - at the end every ReadLine gives an empty line.
#pragma once

#include <string>
#include <string_view>

namespace velmora::fuzz {

class TReferenceReader {
 public:
  explicit TReferenceReader(std::string_view bytes) : bytes_(bytes) {}

  std::string ReadLine() {
    std::string line;
    while (pos_ < bytes_.size()) {
      const char c = bytes_[pos_];
      if (c == 26) {
        pos_ = bytes_.size();
        break;
      }
      ++pos_;
      if (c == 13) {
        if (pos_ < bytes_.size() && bytes_[pos_] == 10) ++pos_;
        break;
      }
      line += c;
    }
    return line;
  }

  bool AtEnd() const { return pos_ == bytes_.size() || bytes_[pos_] == 26; }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

}  // namespace velmora::fuzz
