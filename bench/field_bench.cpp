// Microbenchmarks of the output path: one fixed-point field of each shape,
// and one x,y,z line (alone, and within a row of 200), point object and
// region object written into a line writer on /dev/null. Values are the cell centres and region
// corners of a sheet column and row, and every elevation tenth from -999.9 to 9999.9, so the
// branches see what a run feeds them.
//
// Each row prints the time per field or line and the count per second.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstddef>
#include <span>
#include <vector>

#include "output/format_fixed.h"
#include "output/mif_writer.h"
#include "output/text_line_writer.h"
#include "output/xyz_writer.h"
#include "source/sheet_grid.h"

namespace velmora {
namespace {

// Centres and corners of the 200 columns and rows of sheet 533945.
std::vector<double> Coordinates() {
  std::vector<double> v;
  for (int k = 1; k <= kGridColumns; ++k) {
    const double x = (139.625 + dlon * (k - 1)) + dlon / 2;
    const double y = (35.75 - dlat * (k - 1)) - dlat / 2;
    for (double c : {x, x - hx, x + hx, y, y - hy, y + hy}) v.push_back(c);
  }
  return v;
}

std::vector<double> Elevations() {
  std::vector<double> v;
  for (int k = -9999; k <= 99999; ++k) v.push_back(k / 10.0);
  return v;
}

std::vector<TGridCell> Cells() {
  std::vector<TGridCell> cells;
  const std::vector<double> h = Elevations();
  for (int i = 1; i <= 20; ++i)
    for (int j = 1; j <= kGridColumns; ++j)
      cells.push_back({(139.625 + dlon * (j - 1)) + dlon / 2, (35.75 - dlat * (i - 1)) - dlat / 2,
                       h[static_cast<std::size_t>(i * 7919 + j * 104729) % h.size()]});
  return cells;
}

// Time per item, and items per second.
void Count(benchmark::State& state, const char* perSecond) {
  state.counters["per_item"] = benchmark::Counter(
      1, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters[perSecond] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}

void Fields(benchmark::State& state, const std::vector<double>& values, int width, int decimals) {
  char out[kMaxFixedChars];
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatFixed(values[i], width, decimals, out));
    benchmark::ClobberMemory();
    if (++i == values.size()) i = 0;
  }
  Count(state, "fields/s");
}

void BM_FormatFixed_12_7(benchmark::State& state) { Fields(state, Coordinates(), 12, 7); }
void BM_FormatFixed_6_1(benchmark::State& state) { Fields(state, Elevations(), 6, 1); }

// For scale: std::to_chars with 7 fixed decimals, the library's own exact
// conversion (not the field's rule, which rounds twice).
void BM_ToChars_Fixed7(benchmark::State& state) {
  const std::vector<double> values = Coordinates();
  char out[64];
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        std::to_chars(out, out + sizeof out, values[i], std::chars_format::fixed, 7).ptr);
    benchmark::ClobberMemory();
    if (++i == values.size()) i = 0;
  }
  Count(state, "fields/s");
}

template <typename Write>
void Lines(benchmark::State& state, int files, Write write) {
  const std::vector<TGridCell> cells = Cells();
  TTextLineWriter first, second;
  first.Create("/dev/null");
  if (files == 2) second.Create("/dev/null");
  std::size_t i = 0;
  for (auto _ : state) {
    write(first, second, cells[i]);
    if (++i == cells.size()) i = 0;
  }
  first.Close();
  if (files == 2) second.Close();
  Count(state, "lines/s");
}

void BM_WriteXyzLine(benchmark::State& state) {
  Lines(state, 1,
        [](TTextLineWriter& txt, TTextLineWriter&, const TGridCell& c) { WriteXyzLine(txt, c); });
}
void BM_WritePointObject(benchmark::State& state) {
  Lines(state, 2, [](TTextLineWriter& mif, TTextLineWriter& mid, const TGridCell& c) {
    WritePointObject(mif, mid, c);
  });
}
void BM_WriteRegionObject(benchmark::State& state) {
  Lines(state, 2, [](TTextLineWriter& mif, TTextLineWriter& mid, const TGridCell& c) {
    WriteRegionObject(mif, mid, c);
  });
}

// A grid row of 200 cells at once, as a run hands them over; per line.
void BM_WriteXyzRow(benchmark::State& state) {
  const std::vector<TGridCell> cells = Cells();
  TTextLineWriter txt;
  txt.Create("/dev/null");
  std::size_t row = 0;
  const std::size_t rows = cells.size() / kGridColumns;
  for (auto _ : state) {
    WriteXyzLines(txt, std::span(cells).subspan(row * kGridColumns, kGridColumns));
    if (++row == rows) row = 0;
  }
  txt.Close();
  state.counters["per_item"] = benchmark::Counter(
      kGridColumns, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["lines/s"] =
      benchmark::Counter(kGridColumns, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_FormatFixed_12_7);
BENCHMARK(BM_FormatFixed_6_1);
BENCHMARK(BM_ToChars_Fixed7);
BENCHMARK(BM_WriteXyzLine);
BENCHMARK(BM_WriteXyzRow);
BENCHMARK(BM_WritePointObject);
BENCHMARK(BM_WriteRegionObject);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
