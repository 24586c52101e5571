#include "tools/sample_disc/terrain.h"

#include <cmath>
#include <cstdint>

namespace velmora::sample_disc {

namespace {

constexpr int kOctaves = 6;
constexpr double kBaseCellLongitude = 0.09;  // degrees between lattice points, coarsest octave
constexpr double kBaseCellLatitude = 0.08;
constexpr double kSeaLevel = 0.53;    // noise value of the shoreline
constexpr double kRelief = 800.0;     // metres per unit of noise above the shoreline
constexpr double kShoreDepth = -5.0;  // metres; lower ground is open sea

// The noise stays below 1, so the peaks stay below the bound in terrain.h.
constexpr double kHighestAbove = 1 - kSeaLevel;
static_assert(kRelief * kHighestAbove * (1 + 2 * kHighestAbove) * 10 < 7300);

// A well-mixed 64-bit value from a lattice point and an octave (the
// finalising steps of SplitMix64).
std::uint64_t Hash(std::int64_t ix, std::int64_t iy, int octave) {
  constexpr std::uint64_t kX = 0x9E3779B97F4A7C15;
  constexpr std::uint64_t kY = 0xC2B2AE3D27D4EB4F;
  constexpr std::uint64_t kOctave = 0x165667B19E3779F9;
  constexpr std::uint64_t kMix1 = 0xBF58476D1CE4E5B9;
  constexpr std::uint64_t kMix2 = 0x94D049BB133111EB;
  std::uint64_t z = static_cast<std::uint64_t>(ix) * kX;
  z ^= static_cast<std::uint64_t>(iy) * kY;
  z ^= static_cast<std::uint64_t>(octave) * kOctave;
  z = (z ^ (z >> 30)) * kMix1;
  z = (z ^ (z >> 27)) * kMix2;
  return z ^ (z >> 31);
}

// 0 <= value < 1 at a lattice point.
double LatticeValue(std::int64_t ix, std::int64_t iy, int octave) {
  return static_cast<double>(Hash(ix, iy, octave) >> 11) * 0x1.0p-53;
}

double Smooth(double t) { return t * t * (3 - 2 * t); }

double Lerp(double a, double b, double t) { return a + (b - a) * t; }

// Value noise in 0..1, continuous with a continuous slope.
double ValueNoise(double x, double y, int octave) {
  const double fx = std::floor(x);
  const double fy = std::floor(y);
  const auto ix = static_cast<std::int64_t>(fx);
  const auto iy = static_cast<std::int64_t>(fy);
  const double u = Smooth(x - fx);
  const double v = Smooth(y - fy);
  const double south = Lerp(LatticeValue(ix, iy, octave), LatticeValue(ix + 1, iy, octave), u);
  const double north =
      Lerp(LatticeValue(ix, iy + 1, octave), LatticeValue(ix + 1, iy + 1, octave), u);
  return Lerp(south, north, v);
}

// Octaves of value noise, each twice as fine and half as strong; 0..1.
double FractalNoise(double longitude, double latitude) {
  double sum = 0;
  double weight = 1;
  double total = 0;
  double scale = 1;
  for (int octave = 0; octave < kOctaves; ++octave) {
    sum += weight * ValueNoise(longitude / kBaseCellLongitude * scale,
                               latitude / kBaseCellLatitude * scale, octave);
    total += weight;
    weight /= 2;
    scale *= 2;
  }
  return sum / total;
}

// Metres above the shoreline; steeper the higher it gets.
double ElevationMetres(double longitude, double latitude) {
  const double above = FractalNoise(longitude, latitude) - kSeaLevel;
  return kRelief * above * (above > 0 ? 1 + 2 * above : 1);
}

}  // namespace

int ElevationTenths(double longitude, double latitude) {
  const double metres = ElevationMetres(longitude, latitude);
  if (metres < kShoreDepth) return kNoDataTenths;
  return static_cast<int>(std::floor(metres * 10 + 0.5));
}

}  // namespace velmora::sample_disc
