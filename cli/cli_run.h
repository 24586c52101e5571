// velmora-cli as a function: parses the arguments, runs the conversion and
// reports on the given streams.
//   stdout: each run log line as it is appended, UTF-8, "\n", flushed;
//   stderr: the failure's message (UTF-8) on a failed run; the reason and the
//           usage on a usage error.
// Returns the exit status: 0 completed run, 1 failed run, 2 a validation
// message, 64 usage error.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace velmora {

inline constexpr int kExitCompleted = 0;
inline constexpr int kExitRunFailure = 1;
inline constexpr int kExitInputMessage = 2;
inline constexpr int kExitUsage = 64;

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velmora
