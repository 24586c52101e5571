// velmora-floor PLAN: the disk's own floor for a run, as a program of its
// own, so that it starts like velmora-cli does. PLAN holds one task a line,
// done in order:
//   write SIZE PATH   creates or empties PATH and writes SIZE blank bytes to
//                     it in 1 MiB writes
//   read PATH         reads PATH to its end in 1 MiB reads
// Exit status 0, or 1 with a message on the first failure.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMiB = 1 << 20;

bool Write(const std::string& path, unsigned long long size, const std::vector<char>& block) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  while (size > 0) {
    const std::size_t part = size < kMiB ? static_cast<std::size_t>(size) : kMiB;
    const ssize_t n = ::write(fd, block.data(), part);
    if (n <= 0) break;
    size -= static_cast<unsigned long long>(n);
  }
  return ::close(fd) == 0 && size == 0;
}

bool Read(const std::string& path, std::vector<char>& block) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  ssize_t n = 0;
  while ((n = ::read(fd, block.data(), block.size())) > 0) {
  }
  return ::close(fd) == 0 && n == 0;
}

// One line of the plan.
bool Perform(const std::string& line, std::vector<char>& block) {
  std::istringstream task(line);
  std::string verb, path;
  unsigned long long size = 0;
  task >> verb;
  if (verb == "write")
    return (task >> size) && std::getline(task >> std::ws, path) && Write(path, size, block);
  if (verb == "read") return std::getline(task >> std::ws, path) && Read(path, block);
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: velmora-floor PLAN\n", stderr);
    return 2;
  }
  std::vector<char> block(kMiB, ' ');
  std::ifstream plan(argv[1]);
  for (std::string line; std::getline(plan, line);) {
    if (!Perform(line, block)) {
      std::fprintf(stderr, "velmora-floor: failed: %s\n", line.c_str());
      return 1;
    }
  }
  return 0;
}
