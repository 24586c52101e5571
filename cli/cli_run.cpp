#include "cli/cli_run.h"

#include <string_view>

#include "cli/cli_options.h"
#include "host/cp932.h"
#include "run/conversion.h"
#include "run/messages.h"
#include "run/run_failure.h"

namespace velmora {

namespace {

// The run log as lines on a stream, each written and flushed as it comes.
class TStreamLog final : public TRunLog {
 public:
  explicit TStreamLog(std::ostream& out) : out_(out) {}

  void Add(std::string_view line) override {
    out_ << Cp932ToUtf8(line) << '\n' << std::flush;
    finished_ = line == messages::kRunFinished;
  }

  // Whether the last line appended is the completion line.
  bool Finished() const { return finished_; }

 private:
  std::ostream& out_;
  bool finished_ = false;
};

int Run(const TRunRequest& request, std::ostream& out, std::ostream& err) {
  TStreamLog log(out);
  try {
    RunConversion(request, log);
  } catch (const ERunFailure& failure) {
    err << Cp932ToUtf8(failure.message()) << '\n' << std::flush;
    return kExitRunFailure;
  }
  return log.Finished() ? kExitCompleted : kExitInputMessage;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const TCliCommand command = ParseCliArguments(args);
  if (const auto* run = std::get_if<TCliRun>(&command)) return Run(run->request, out, err);
  if (std::holds_alternative<TCliHelp>(command)) {
    out << CliUsage();
    return kExitCompleted;
  }
  if (std::holds_alternative<TCliVersion>(command)) {
    out << "velmora-cli 1.0\n";
    return kExitCompleted;
  }
  err << "velmora-cli: " << std::get<TCliUsageError>(command).reason << '\n' << CliUsage();
  return kExitUsage;
}

}  // namespace velmora
