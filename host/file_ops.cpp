#include "host/file_ops.h"

#include <fcntl.h>
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

}  // namespace

int TFileOps::OpenRead(const std::string& path) {
  return OrErrno(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
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
