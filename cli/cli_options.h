// The command line of velmora-cli:
//   velmora-cli --root R --out BASE --south S --north N --west W --east E
//               [--format point|region|xyz]
// Every option but --format is required; without --format no format is
// chosen. "--opt=value" works too, and a value may begin with "-". The bound
// texts are taken as they are, nothing trimmed. Arguments are UTF-8 and are
// converted to CP932.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "run/run_request.h"

namespace velmora {

struct TCliRun {
  TRunRequest request;
};
struct TCliHelp {};
struct TCliVersion {};
struct TCliUsageError {
  std::string reason;  // one line, UTF-8
};

using TCliCommand = std::variant<TCliRun, TCliHelp, TCliVersion, TCliUsageError>;

// `args` without the program name.
TCliCommand ParseCliArguments(const std::vector<std::string>& args);

// The usage text, UTF-8, ending with a line end.
std::string CliUsage();

}  // namespace velmora
