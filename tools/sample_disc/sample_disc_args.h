// The command line of velmora-sample-disc:
//   velmora-sample-disc FOLDER [--south S] [--north N] [--west W] [--east E]
// A bound not given keeps its value from kDefaultBox; "--south=S" works too.
// A bound is a decimal number in degrees ("26.5", "2.65e1"), read the same
// whatever the locale, nothing trimmed. The rectangle must have south <=
// north and west <= east and lie where mesh codes exist: 0 to 66 2/3 degrees
// north, 100 to 200 degrees east.
#pragma once

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "tools/sample_disc/geo_box.h"

namespace velmora::sample_disc {

struct TSampleDiscRun {
  std::filesystem::path folder;
  TGeoBox box = kDefaultBox;
};
struct TSampleDiscHelp {};
struct TSampleDiscUsageError {
  std::string reason;  // one line
};

using TSampleDiscCommand = std::variant<TSampleDiscRun, TSampleDiscHelp, TSampleDiscUsageError>;

// `args` without the program name.
TSampleDiscCommand ParseSampleDiscArguments(const std::vector<std::string>& args);

// The usage text, ending with a line end.
std::string SampleDiscUsage();

}  // namespace velmora::sample_disc
