// The run log as a run sees it: lines are only ever appended.
#pragma once

#include <string_view>

namespace velmora {

class TRunLog {
 public:
  virtual ~TRunLog() = default;
  // Appends one whole line (CP932 bytes, no line end).
  virtual void Add(std::string_view line) = 0;
};

}  // namespace velmora
