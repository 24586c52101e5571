// velmora-sample-disc: writes a synthetic data disc (see sample_disc.h).
// Exit status: 0 written, 1 a folder or file could not be written, 64 usage
// error.
#include <charconv>
#include <exception>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "tools/sample_disc/sample_disc.h"
#include "tools/sample_disc/sample_disc_args.h"

namespace {

constexpr int kUsageExit = 64;

std::string CountText(std::size_t count) {
  char digits[24];
  return std::string(digits, std::to_chars(digits, digits + sizeof digits, count).ptr);
}

int Run(const velmora::sample_disc::TSampleDiscRun& run) {
  try {
    const auto sheets = velmora::sample_disc::WriteSampleDisc(run.folder, run.box);
    std::cout << "velmora-sample-disc: wrote " << CountText(sheets.size()) << " sheets to "
              << run.folder.string() << '\n';
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "velmora-sample-disc: " << error.what() << '\n';
    return 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  using namespace velmora::sample_disc;
  const TSampleDiscCommand command =
      ParseSampleDiscArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (const auto* error = std::get_if<TSampleDiscUsageError>(&command)) {
    std::cerr << "velmora-sample-disc: " << error->reason << '\n' << SampleDiscUsage();
    return kUsageExit;
  }
  if (std::holds_alternative<TSampleDiscHelp>(command)) {
    std::cout << SampleDiscUsage();
    return 0;
  }
  return Run(std::get<TSampleDiscRun>(command));
}
