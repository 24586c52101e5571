// A run's rectangle for tests that need only the bounds.
#pragma once

#include "run/run_request.h"

namespace velmora::test {

inline TRunParams Box(double south, double north, double west, double east) {
  TRunParams p;
  p.Y_min = south;
  p.Y_max = north;
  p.X_min = west;
  p.X_max = east;
  return p;
}

}  // namespace velmora::test
