#include "memory_file_ops.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace velmora::fuzz {

int TMemoryFileOps::OpenRead(const std::string& path) {
  const auto it = files_.find(path);
  if (it == files_.end()) return -ENOENT;
  open_[nextFd_] = {&it->second, 0};
  return nextFd_++;
}

int TMemoryFileOps::CreateWrite(const std::string&) { return -EROFS; }

long TMemoryFileOps::Read(int fd, char* buffer, std::size_t size) {
  const auto it = open_.find(fd);
  if (it == open_.end()) return -EBADF;
  ++reads_;
  if (reads_ == failRead_) return -error_;
  if (!sizes_.empty() && sizes_[(reads_ - 1) % sizes_.size()] > 0)
    size = std::min(size, sizes_[(reads_ - 1) % sizes_.size()]);
  TOpenFile& file = it->second;
  const std::size_t n = std::min(size, file.bytes->size() - file.pos);
  std::memcpy(buffer, file.bytes->data() + file.pos, n);
  file.pos += n;
  return static_cast<long>(n);
}

long TMemoryFileOps::Write(int, const char*, std::size_t) { return -EBADF; }

int TMemoryFileOps::Close(int fd) { return open_.erase(fd) == 1 ? 0 : -EBADF; }

}  // namespace velmora::fuzz
