#include "cli/cli_options.h"

#include <optional>
#include <set>
#include <string_view>

#include "host/cp932.h"

namespace velmora {

namespace {

struct TOptionSlot {
  std::string_view name;
  std::string TRunRequest::*field;
};

constexpr TOptionSlot kTextOptions[] = {
    {"--root", &TRunRequest::dataRoot}, {"--out", &TRunRequest::baseName},
    {"--south", &TRunRequest::Y_min},   {"--north", &TRunRequest::Y_max},
    {"--west", &TRunRequest::X_min},    {"--east", &TRunRequest::X_max},
};

std::optional<TOutputFormat> FormatFromName(std::string_view name) {
  if (name == "point") return TOutputFormat::ofPointMif;
  if (name == "region") return TOutputFormat::ofRegionMif;
  if (name == "xyz") return TOutputFormat::ofXyzText;
  return std::nullopt;
}

// Collects the options into a request; the reason of the first problem, if any.
class TParser {
 public:
  std::optional<std::string> Take(std::string_view name, std::string_view utf8Value) {
    const std::string option(name);
    if (!seen_.insert(option).second) return option + " is given more than once";
    if (name == "--format") {
      request_.format = FormatFromName(utf8Value);
      if (!request_.format) return "--format must be point, region or xyz";
      return std::nullopt;
    }
    for (const auto& slot : kTextOptions) {
      if (slot.name != name) continue;
      std::optional<std::string> cp932 = Utf8ToCp932(utf8Value);
      if (!cp932) return option + " is not valid UTF-8 or holds a character without a CP932 form";
      request_.*slot.field = std::move(*cp932);
      return std::nullopt;
    }
    return "unknown option " + option;
  }

  std::optional<std::string> Missing() const {
    for (const auto& slot : kTextOptions)
      if (!seen_.contains(std::string(slot.name))) return std::string(slot.name) + " is required";
    return std::nullopt;
  }

  const TRunRequest& request() const { return request_; }

 private:
  std::set<std::string> seen_;
  TRunRequest request_;
};

bool IsKnownOption(std::string_view name) {
  if (name == "--format") return true;
  for (const auto& slot : kTextOptions)
    if (slot.name == name) return true;
  return false;
}

}  // namespace

TCliCommand ParseCliArguments(const std::vector<std::string>& args) {
  TParser parser;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") return TCliHelp{};
    if (arg == "--version") return TCliVersion{};
    if (!arg.starts_with("--")) return TCliUsageError{"unexpected argument " + args[i]};
    const std::size_t equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    if (!IsKnownOption(name)) return TCliUsageError{"unknown option " + std::string(name)};
    std::string_view value;
    if (equals != std::string_view::npos) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      return TCliUsageError{std::string(name) + " needs a value"};
    }
    if (auto reason = parser.Take(name, value)) return TCliUsageError{*reason};
  }
  if (auto reason = parser.Missing()) return TCliUsageError{*reason};
  return TCliRun{parser.request()};
}

std::string CliUsage() {
  return "usage: velmora-cli --root R --out BASE --south S --north N --west W --east E"
         " [--format point|region|xyz]\n"
         "  --root    root of the data disc (zumei.csv and data\\ below it)\n"
         "  --out     output base name; .mif/.mid or .txt is added\n"
         "  --south, --north   latitude bounds, decimal degrees\n"
         "  --west, --east     longitude bounds, decimal degrees\n"
         "  --format  point (Point MIF/MID), region (Region MIF/MID) or xyz (x,y,z TEXT)\n";
}

}  // namespace velmora
