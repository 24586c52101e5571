// The inputs of one conversion run: as typed (TRunRequest) and as validated
// (TRunParams). Every text is CP932 bytes, untouched on the way in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

enum class TOutputFormat { ofPointMif, ofRegionMif, ofXyzText };

// The name of a format as the user sees it: "Point MIF/MID", "Region MIF/MID"
// or "x,y,z TEXT".
std::string_view OutputFormatName(TOutputFormat format);

// One run's inputs exactly as typed.
struct TRunRequest {
  std::string dataRoot;  // root of the data disc, for example "D:"
  std::string baseName;  // output base name without extension
  std::string Y_min;     // south bound text, degrees north
  std::string Y_max;     // north bound text, degrees north
  std::string X_min;     // west bound text, degrees east
  std::string X_max;     // east bound text, degrees east
  std::optional<TOutputFormat> format;  // none while the user chose none
};

// The validated inputs. Invariants:
//   0 <= Y_min <= Y_max <= 90 and 90 <= X_min <= X_max <= 180.
struct TRunParams {
  std::string dataRoot;  // copied unchanged, never tested
  std::string baseName;  // copied unchanged, never tested (may be empty)
  double Y_min = 0;      // south bound, degrees north
  double Y_max = 0;      // north bound, degrees north
  double X_min = 0;      // west bound, degrees east
  double X_max = 0;      // east bound, degrees east
  TOutputFormat format = TOutputFormat::ofXyzText;
};

}  // namespace velmora
