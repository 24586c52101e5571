// The seam between the core and the operating system's files: every open,
// create, read, write and close of a run goes through the current TFileOps,
// so a test can make any one of them fail with a chosen error.
//
// Paths here are native (UTF-8, '/' separators). Every call returns what the
// POSIX call returns on success, or -errno on failure; none throws.
#pragma once

#include <cstddef>
#include <string>

namespace velmora {

class TFileOps {
 public:
  virtual ~TFileOps() = default;
  // Descriptor, or -errno; anything but a regular file is refused (EISDIR for
  // a folder, EACCES for a FIFO or device).
  virtual int OpenRead(const std::string& path);
  virtual int CreateWrite(const std::string& path); // descriptor, or -errno; empties an existing file
  virtual long Read(int fd, char* buffer, std::size_t size);        // bytes (0 at end), or -errno
  virtual long Write(int fd, const char* data, std::size_t size);   // bytes written, or -errno
  virtual int Close(int fd);                        // 0, or -errno
};

// The operations in force: the plain POSIX ones unless a test installed others.
TFileOps& CurrentFileOps();

// Installs `ops` for its lifetime, then restores what was in force before.
class TScopedFileOps {
 public:
  explicit TScopedFileOps(TFileOps& ops);
  ~TScopedFileOps();
  TScopedFileOps(const TScopedFileOps&) = delete;
  TScopedFileOps& operator=(const TScopedFileOps&) = delete;

 private:
  TFileOps* previous_;
};

}  // namespace velmora
