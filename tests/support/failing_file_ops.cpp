#include "support/failing_file_ops.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <iterator>
#include <utility>

namespace velmora::test {

namespace {

const std::string kStray = "<descriptor not open here>";

}  // namespace

std::size_t ProcessOpenDescriptors() {
  namespace fs = std::filesystem;
  return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

TFailingFileOps::TFailingFileOps(std::size_t failAt, int error, std::function<std::size_t()> mark)
    : failAt_(failAt), error_(error), mark_(std::move(mark)) {}

bool TFailingFileOps::Next(TFileCall call, const std::string& path) {
  const bool fail = calls_.size() + 1 == failAt_;
  calls_.push_back({call, path, mark_ ? mark_() : 0, fail});
  return fail;
}

const std::string* TFailingFileOps::PathOf(int fd) {
  const auto it = paths_.find(fd);
  if (it != paths_.end()) return &it->second;
  ++strayCalls_;
  return nullptr;
}

int TFailingFileOps::OpenRead(const std::string& path) {
  if (Next(TFileCall::kOpenRead, path)) return -error_;
  const int fd = TFileOps::OpenRead(path);
  if (fd >= 0) paths_[fd] = path;
  return fd;
}

int TFailingFileOps::CreateWrite(const std::string& path) {
  if (Next(TFileCall::kCreateWrite, path)) return -error_;
  const int fd = TFileOps::CreateWrite(path);
  if (fd >= 0) {
    paths_[fd] = path;
    created_.insert(path);
    written_[path].clear();
  }
  return fd;
}

long TFailingFileOps::Read(int fd, char* buffer, std::size_t size) {
  const std::string* path = PathOf(fd);
  if (Next(TFileCall::kRead, path ? *path : kStray)) return -error_;
  return path ? TFileOps::Read(fd, buffer, size) : -EBADF;
}

long TFailingFileOps::Write(int fd, const char* data, std::size_t size) {
  const std::string* path = PathOf(fd);
  if (Next(TFileCall::kWrite, path ? *path : kStray)) return -error_;
  if (!path) return -EBADF;
  const long n = TFileOps::Write(fd, data, size);
  if (n > 0) written_[*path].append(data, static_cast<std::size_t>(n));
  return n;
}

int TFailingFileOps::Close(int fd) {
  const std::string* path = PathOf(fd);
  const bool fail = Next(TFileCall::kClose, path ? *path : kStray);
  if (!path) return -EBADF;
  const int rc = TFileOps::Close(fd);
  paths_.erase(fd);
  return fail ? -error_ : rc;
}

std::size_t TFailingFileOps::callsAfterFailure() const {
  if (failAt_ == 0 || calls_.size() < failAt_) return 0;
  return static_cast<std::size_t>(
      std::count_if(calls_.begin() + static_cast<std::ptrdiff_t>(failAt_), calls_.end(),
                    [](const TFileCallRecord& r) { return r.call != TFileCall::kClose; }));
}

}  // namespace velmora::test
