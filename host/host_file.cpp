#include "host/host_file.h"

#include <cerrno>
#include <utility>

#include "host/file_ops.h"
#include "host/host_path.h"

namespace velmora {

namespace {

constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;
constexpr int kTooManyOpenFiles = 4;
constexpr int kAccessDenied = 5;

}  // namespace

ERunFailure FailureFromErrno(int err, const std::string& nativePath, bool folderMayExist) {
  switch (err) {
    case ENOENT:
      return IoFailure(folderMayExist && ParentFolderExists(nativePath) ? kFileNotFound
                                                                        : kPathNotFound);
    case ENOTDIR:
    case ENAMETOOLONG: return IoFailure(kPathNotFound);
    case EMFILE:
    case ENFILE: return IoFailure(kTooManyOpenFiles);
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return IoFailure(kAccessDenied);
    default: return OtherIoFailure(err);
  }
}

THostFile THostFile::OpenInput(std::string_view pathText) {
  std::string native = NativePath(pathText);
  int fd = CurrentFileOps().OpenRead(native);
  if (fd == -ENOENT) {
    if (std::optional<std::string> found = FindIgnoringCase(native); found && *found != native) {
      native = std::move(*found);
      fd = CurrentFileOps().OpenRead(native);
    }
  }
  if (fd < 0) throw FailureFromErrno(-fd, native, true);
  return THostFile(fd, std::move(native));
}

THostFile THostFile::CreateOutput(std::string_view pathText) {
  std::string native = NativePath(pathText);
  const int fd = CurrentFileOps().CreateWrite(native);
  if (fd < 0) throw FailureFromErrno(-fd, native, false);
  return THostFile(fd, std::move(native));
}

THostFile::THostFile(THostFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), nativePath_(std::move(other.nativePath_)) {}

THostFile& THostFile::operator=(THostFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) CurrentFileOps().Close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    nativePath_ = std::move(other.nativePath_);
  }
  return *this;
}

THostFile::~THostFile() {
  if (fd_ >= 0) CurrentFileOps().Close(fd_);
}

std::size_t THostFile::Read(char* buffer, std::size_t size) {
  const long n = CurrentFileOps().Read(fd_, buffer, size);
  if (n < 0) throw FailureFromErrno(static_cast<int>(-n), nativePath_, true);
  return static_cast<std::size_t>(n);
}

void THostFile::Write(const char* data, std::size_t size) {
  while (size > 0) {
    const long n = CurrentFileOps().Write(fd_, data, size);
    if (n < 0) throw FailureFromErrno(static_cast<int>(-n), nativePath_, true);
    if (n == 0) throw FailureFromErrno(ENOSPC, nativePath_, true);
    data += n;
    size -= static_cast<std::size_t>(n);
  }
}

void THostFile::Close() {
  const int rc = CurrentFileOps().Close(std::exchange(fd_, -1));
  if (rc < 0) throw FailureFromErrno(-rc, nativePath_, true);
}

}  // namespace velmora
