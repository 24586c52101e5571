// A file layer for fault-injection tests: every call goes to the real file
// system and is recorded, except one chosen call, which fails with a chosen
// error number the way the system would report it:
//   - a failing open or create touches nothing (an existing file is not
//     emptied) and gives no descriptor;
//   - a failing read or write moves no byte;
//   - a failing close still releases the descriptor, as close(2) does.
// Calls are numbered from 1 in the order they are made. Install the object
// with TScopedFileOps for the length of one run.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/file_ops.h"

namespace velmora::test {

enum class TFileCall { kOpenRead, kCreateWrite, kRead, kWrite, kClose };

// One call as it was made.
struct TFileCallRecord {
  TFileCall call;
  std::string path;      // native path of the file the call was about
  std::size_t mark = 0;  // what the mark function gave when the call was made
  bool failed = false;   // this is the call that was made to fail
};

// The number of descriptors this process has open now, from /proc/self/fd.
std::size_t ProcessOpenDescriptors();

class TFailingFileOps : public TFileOps {
 public:
  // Fails call number `failAt` (1-based; 0 fails none) with `error`, a
  // positive errno. `mark` is asked once per call and its answer recorded,
  // for instance the number of run log lines so far; none records 0.
  TFailingFileOps(std::size_t failAt, int error, std::function<std::size_t()> mark = {});

  int OpenRead(const std::string& path) override;
  int CreateWrite(const std::string& path) override;
  long Read(int fd, char* buffer, std::size_t size) override;
  long Write(int fd, const char* data, std::size_t size) override;
  int Close(int fd) override;

  // Every call so far, in order.
  const std::vector<TFileCallRecord>& calls() const { return calls_; }
  // The bytes each file took in successful writes, in order, by native path.
  const std::map<std::string, std::string>& written() const { return written_; }
  // Native paths of the files created, or emptied, by a successful create.
  const std::set<std::string>& created() const { return created_; }
  // Descriptors handed out and not closed yet.
  std::size_t openDescriptors() const { return paths_.size(); }
  // Calls other than a close made after the failing one.
  std::size_t callsAfterFailure() const;
  // Reads, writes and closes of descriptors that were not handed out here or
  // were closed already; they are refused with EBADF and never reach the
  // system (a second close could release another file's descriptor).
  std::size_t strayCalls() const { return strayCalls_; }

 private:
  // Records the call; true when it is the one to fail.
  bool Next(TFileCall call, const std::string& path);
  // The path of an open descriptor; counts a stray call for any other.
  const std::string* PathOf(int fd);

  std::size_t failAt_;
  int error_;
  std::function<std::size_t()> mark_;
  std::vector<TFileCallRecord> calls_;
  std::map<int, std::string> paths_;  // open descriptors
  std::map<std::string, std::string> written_;
  std::set<std::string> created_;
  std::size_t strayCalls_ = 0;
};

}  // namespace velmora::test
