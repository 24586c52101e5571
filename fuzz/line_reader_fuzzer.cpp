// The line reader on arbitrary bytes, read from the device in chunks of
// arbitrary sizes, against the plain reference reader: the same lines and the
// same answers of AtEnd, a walk that ends, empty lines at the end without
// another read, and a failing read reported as the I/O failure of its error.
//
// Input: byte 0 holds the number of chunk sizes (bits 0-2) and whether a read
// fails (bit 3); then the chunk sizes, one byte each (0: no limit); then, if
// a read fails, its number; the rest is the file.
#include <cerrno>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "host/file_ops.h"
#include "memory_file_ops.h"
#include "reference_reader.h"
#include "run/run_failure.h"
#include "source/text_line_reader.h"

namespace velmora::fuzz {
namespace {

struct TInput {
  std::vector<std::size_t> chunkSizes;
  std::size_t failingRead = 0;
  std::string_view file;
};

TInput Split(std::string_view bytes) {
  TInput input;
  if (bytes.empty()) return input;
  const auto head = static_cast<unsigned char>(bytes[0]);
  std::size_t pos = 1;
  for (unsigned i = 0; i < (head & 7u) && pos < bytes.size(); ++i, ++pos)
    input.chunkSizes.push_back(static_cast<unsigned char>(bytes[pos]));
  if ((head & 8u) != 0 && pos < bytes.size())
    input.failingRead = 1 + static_cast<unsigned char>(bytes[pos++]);
  input.file = bytes.substr(pos);
  return input;
}

// Walks the file as the index is walked; true when a read failed.
bool WalkFile(const TInput& input, const TMemoryFileOps& ops) {
  TReferenceReader reference(input.file);
  TTextLineReader reader;
  try {
    reader.Open("in");
    std::size_t lines = 0;
    bool atEnd = false;
    do {
      FUZZ_CHECK(reader.ReadLine() == reference.ReadLine());
      atEnd = reader.AtEnd();
      FUZZ_CHECK(atEnd == reference.AtEnd());
      FUZZ_CHECK(++lines <= input.file.size() + 1);
    } while (!atEnd);
    const std::size_t reads = ops.reads();
    for (int i = 0; i < 3; ++i) {
      FUZZ_CHECK(reader.ReadLine().empty());
      FUZZ_CHECK(reader.AtEnd());
    }
    FUZZ_CHECK(ops.reads() == reads);
    reader.Close();
    return false;
  } catch (const ERunFailure& failure) {
    FUZZ_CHECK(failure.code() == EIO);
    FUZZ_CHECK(failure.message() == "I/O \xb4\xd7\xb0 (5)");  // I/O ｴﾗｰ (5)
    return true;
  }
}

void Walk(const TInput& input) {
  TMemoryFileOps ops;
  ops.AddFile("in", std::string(input.file));
  ops.SetReadSizes(input.chunkSizes);
  ops.FailRead(input.failingRead, EIO);
  TScopedFileOps scoped(ops);
  const bool failed = WalkFile(input, ops);
  // A failure comes from the failing read and from no other; a walk that
  // never got that far makes no such read.
  FUZZ_CHECK(failed == (input.failingRead != 0 && ops.reads() == input.failingRead));
  FUZZ_CHECK(input.failingRead == 0 || ops.reads() <= input.failingRead);
  FUZZ_CHECK(ops.openFiles() == 0);
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::fuzz::Walk(
      velmora::fuzz::Split(std::string_view(reinterpret_cast<const char*>(data), size)));
  return 0;
}
