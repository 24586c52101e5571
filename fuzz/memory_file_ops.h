// A file layer that holds its files in memory, for fuzz targets that should
// not touch the disk. Files are added by native path; reads hand out at most
// the given chunk sizes, in turn; one chosen read may fail. Creating or
// writing a file is refused: these targets only read.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "host/file_ops.h"

namespace velmora::fuzz {

class TMemoryFileOps : public TFileOps {
 public:
  void AddFile(const std::string& path, std::string bytes) { files_[path] = std::move(bytes); }
  // Read number i (0-based) hands out at most sizes[i % n] bytes; 0 or no
  // sizes at all: as many as asked.
  void SetReadSizes(std::vector<std::size_t> sizes) { sizes_ = std::move(sizes); }
  // Read number `n` (1-based) fails with `error`; 0: none fails.
  void FailRead(std::size_t n, int error) {
    failRead_ = n;
    error_ = error;
  }

  int OpenRead(const std::string& path) override;
  int CreateWrite(const std::string& path) override;
  long Read(int fd, char* buffer, std::size_t size) override;
  long Write(int fd, const char* data, std::size_t size) override;
  int Close(int fd) override;

  std::size_t reads() const { return reads_; }
  std::size_t openFiles() const { return open_.size(); }

 private:
  struct TOpenFile {
    const std::string* bytes;
    std::size_t pos;
  };

  std::map<std::string, std::string> files_;
  std::map<int, TOpenFile> open_;
  std::vector<std::size_t> sizes_;
  std::size_t reads_ = 0, failRead_ = 0;
  int error_ = 0, nextFd_ = 1000;
};

}  // namespace velmora::fuzz
