#include "host/file_ops.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace velmora {

namespace {

TFileOps gPosixOps;
TFileOps* gCurrent = &gPosixOps;

template <typename T>
T OrErrno(T result) {
  return result < 0 ? static_cast<T>(-errno) : result;
}

// 0 when `fd` is a regular file, else the error to refuse it with.
int NotARegularFile(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) return errno;
  if (S_ISDIR(st.st_mode)) return EISDIR;
  return S_ISREG(st.st_mode) ? 0 : EACCES;
}

}  // namespace

// The open does not wait (a FIFO would hold it until some writer came);
// only a regular file is kept (a device such as /dev/zero never ends).
int TFileOps::OpenRead(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -errno;
  int err = NotARegularFile(fd);
  if (err == 0 && ::fcntl(fd, F_SETFL, 0) != 0) err = errno;  // reads wait again
  if (err == 0) return fd;
  ::close(fd);
  return -err;
}

int TFileOps::CreateWrite(const std::string& path) {
  return OrErrno(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
}

long TFileOps::Read(int fd, char* buffer, std::size_t size) {
  long n;
  do n = ::read(fd, buffer, size);
  while (n < 0 && errno == EINTR);
  return OrErrno(n);
}

long TFileOps::Write(int fd, const char* data, std::size_t size) {
  long n;
  do n = ::write(fd, data, size);
  while (n < 0 && errno == EINTR);
  return OrErrno(n);
}

int TFileOps::Close(int fd) { return OrErrno(::close(fd)); }

TFileOps& CurrentFileOps() { return *gCurrent; }

TScopedFileOps::TScopedFileOps(TFileOps& ops) : previous_(gCurrent) { gCurrent = &ops; }

TScopedFileOps::~TScopedFileOps() { gCurrent = previous_; }

}  // namespace velmora
