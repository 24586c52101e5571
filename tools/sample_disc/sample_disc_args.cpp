#include "tools/sample_disc/sample_disc_args.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

namespace velmora::sample_disc {

namespace {

constexpr double kNorthmost = 200.0 / 3;  // north edge of latitude code 99

struct TBoundOption {
  std::string_view name;
  double TGeoBox::*bound;
};

constexpr std::array<TBoundOption, 4> kBoundOptions{{
    {"--south", &TGeoBox::south},
    {"--north", &TGeoBox::north},
    {"--west", &TGeoBox::west},
    {"--east", &TGeoBox::east},
}};

std::optional<double> ParseDegrees(std::string_view text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
  if (ec != std::errc{} || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

const TBoundOption* FindBoundOption(std::string_view name) {
  for (const TBoundOption& option : kBoundOptions) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

std::optional<std::string> CheckBox(const TGeoBox& box) {
  if (box.south > box.north) return "the south bound lies north of the north bound";
  if (box.west > box.east) return "the west bound lies east of the east bound";
  if (box.south < 0 || box.north > kNorthmost || box.west < 100 || box.east > 200) {
    return "the rectangle must lie within 0 to 66 2/3 degrees north and 100 to 200 degrees east, "
           "where mesh codes exist";
  }
  return std::nullopt;
}

struct TReadState {
  TSampleDiscRun run;
  bool haveFolder = false;
  std::array<bool, kBoundOptions.size()> seen{};
};

std::optional<std::string> ReadFolder(const std::string& arg, TReadState& state) {
  if (state.haveFolder) return "more than one folder given: " + arg;
  if (arg.empty()) return std::string("the folder name is empty");
  state.run.folder = arg;
  state.haveFolder = true;
  return std::nullopt;
}

// The option at args[i], "--name=value" or "--name value" (then i moves on
// to the value).
std::optional<std::string> ReadBound(const std::vector<std::string>& args, std::size_t& i,
                                     TReadState& state) {
  const std::string_view arg = args[i];
  const std::size_t equals = arg.find('=');
  const std::string name(arg.substr(0, equals));
  const TBoundOption* option = FindBoundOption(name);
  if (option == nullptr) return "unknown option " + name;
  std::string_view value;
  if (equals != std::string_view::npos) {
    value = arg.substr(equals + 1);
  } else if (i + 1 < args.size()) {
    value = args[++i];
  } else {
    return name + " needs a value";
  }
  bool& given = state.seen[static_cast<std::size_t>(option - kBoundOptions.data())];
  if (given) return name + " given twice";
  given = true;
  const std::optional<double> degrees = ParseDegrees(value);
  if (!degrees) return name + ": not a number: \"" + std::string(value) + "\"";
  state.run.box.*(option->bound) = *degrees;
  return std::nullopt;
}

}  // namespace

TSampleDiscCommand ParseSampleDiscArguments(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") return TSampleDiscHelp{};
  }
  TReadState state;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::optional<std::string> reason =
        args[i].starts_with("--") ? ReadBound(args, i, state) : ReadFolder(args[i], state);
    if (reason) return TSampleDiscUsageError{*std::move(reason)};
  }
  if (!state.haveFolder) return TSampleDiscUsageError{"no folder given"};
  if (std::optional<std::string> reason = CheckBox(state.run.box)) {
    return TSampleDiscUsageError{*std::move(reason)};
  }
  return state.run;
}

std::string SampleDiscUsage() {
  return "usage: velmora-sample-disc FOLDER [--south S] [--north N] [--west W] [--east E]\n"
         "Writes a synthetic data disc (zumei.csv and data/NNNN/NNNNNN.mem) into FOLDER for\n"
         "every map sheet touching the rectangle, bounds in decimal degrees; by default\n"
         "26.056649 to 26.881738 N, 127.619553 to 128.357271 E.\n";
}

}  // namespace velmora::sample_disc
