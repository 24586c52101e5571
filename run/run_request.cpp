#include "run/run_request.h"

namespace velmora {

std::string_view OutputFormatName(TOutputFormat format) {
  switch (format) {
    case TOutputFormat::ofPointMif: return "Point MIF/MID";
    case TOutputFormat::ofRegionMif: return "Region MIF/MID";
    case TOutputFormat::ofXyzText: return "x,y,z TEXT";
  }
  return {};
}

}  // namespace velmora
