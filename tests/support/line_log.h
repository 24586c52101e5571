// A run log that keeps its lines, for tests to compare.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "run/run_log.h"

namespace velmora::test {

class TLineLog : public TRunLog {
 public:
  void Add(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

}  // namespace velmora::test
