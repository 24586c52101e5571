// Files of a run, opened by path text and read or written through the
// current TFileOps. Every operation completes or throws ERunFailure with the
// I/O result code of the cause:
//   ENOENT: 2 when the file's folder exists, 3 when a folder is missing
//   ENOTDIR, ENAMETOOLONG: 3   EMFILE, ENFILE: 4
//   EACCES, EPERM, EISDIR, EROFS: 5
//   any other errno n: code n, message "I/O ｴﾗｰ (n)".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "run/run_failure.h"

namespace velmora {

// The failure of a file operation on `nativePath` that failed with `err`.
// `folderMayExist` is false where a missing file cannot be the cause (a
// create), so ENOENT can only mean a missing folder.
ERunFailure FailureFromErrno(int err, const std::string& nativePath, bool folderMayExist);

// One open file. Closes itself on destruction if Close was not called
// (errors then are dropped: the run has already failed).
class THostFile {
 public:
  // Opens an existing file for reading; where the exact name is missing, the
  // name is looked up again with letter case ignored.
  static THostFile OpenInput(std::string_view pathText);
  // Creates the file, or empties an existing one, for writing.
  static THostFile CreateOutput(std::string_view pathText);

  THostFile() = default;  // no file
  THostFile(THostFile&& other) noexcept;
  THostFile& operator=(THostFile&& other) noexcept;
  THostFile(const THostFile&) = delete;
  THostFile& operator=(const THostFile&) = delete;
  ~THostFile();

  // Up to `size` bytes into `buffer`; 0 only at the end of the file.
  std::size_t Read(char* buffer, std::size_t size);
  // All `size` bytes, or throws.
  void Write(const char* data, std::size_t size);
  // Releases the file; throws when the system reports a failure.
  void Close();

  bool IsOpen() const { return fd_ >= 0; }

 private:
  THostFile(int fd, std::string nativePath) : fd_(fd), nativePath_(std::move(nativePath)) {}
  int fd_ = -1;
  std::string nativePath_;
};

}  // namespace velmora
