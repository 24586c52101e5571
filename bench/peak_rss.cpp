// velmora-peak-rss FILE COMMAND [ARGS...]: runs the command and writes its
// exit status and peak resident set size in bytes, "status bytes", to FILE.
//
// The benchmark's own interpreter cannot spawn the command itself: Linux
// keeps the parent's resident size in a child's peak across exec. This
// helper is small (no C++ library use beyond the headers), so its own peak,
// which the child also inherits, stays below any program worth measuring.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>  // environ

#include <charconv>
#include <cstddef>

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[2], nullptr, nullptr, argv + 2, environ) != 0) return 127;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return 127;
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);

  char text[48];
  char* end = std::to_chars(text, text + sizeof text, code).ptr;
  *end++ = ' ';
  end = std::to_chars(end, text + sizeof text, usage.ru_maxrss * 1024L).ptr;
  *end++ = '\n';
  const int fd = open(argv[1], O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0 || write(fd, text, static_cast<std::size_t>(end - text)) != end - text) return 126;
  close(fd);
  return code;
}
