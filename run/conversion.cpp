#include "run/conversion.h"

#include <string>

#include "output/mif_writer.h"
#include "output/xyz_writer.h"
#include "run/messages.h"
#include "run/validation.h"
#include "source/sheet_grid.h"
#include "source/sheet_index.h"

namespace velmora {

namespace {

// The output files of a run and the writer of its format.
class TOutputs final : public TCellSink {
 public:
  explicit TOutputs(const TRunParams& params) : format_(params.format) {
    if (format_ == TOutputFormat::ofXyzText) {
      first_.Create(params.baseName + ".txt");
    } else {
      first_.Create(params.baseName + ".mif");
      WriteMifHeader(first_);
      mid_.Create(params.baseName + ".mid");
    }
  }

  void Write(const TGridCell& cell) override { WriteRow({&cell, 1}); }

  void WriteRow(std::span<const TGridCell> cells) override {
    switch (format_) {
      case TOutputFormat::ofPointMif: WritePointObjects(first_, mid_, cells); break;
      case TOutputFormat::ofRegionMif: WriteRegionObjects(first_, mid_, cells); break;
      case TOutputFormat::ofXyzText: WriteXyzLines(first_, cells); break;
    }
  }

  // The .mif or .txt first, then the .mid.
  void Close() {
    first_.Close();
    if (format_ != TOutputFormat::ofXyzText) mid_.Close();
  }

 private:
  TOutputFormat format_;
  TTextLineWriter first_;  // .mif, or .txt
  TTextLineWriter mid_;    // .mid of the interchange formats
};

void ConvertSheet(const TRunParams& params, const std::string& indexLine, TOutputs& outputs,
                  TRunLog& log) {
  const TSheetExtent extent = SheetExtentFromLine(indexLine);
  if (!SheetTouchesBox(extent, params)) return;
  TTextLineReader grid;
  grid.Open(GridFilePath(params.dataRoot, indexLine));
  ReadSheetGrid(grid, extent, params, outputs);
  log.Add(indexLine);
  grid.Close();
}

}  // namespace

void RunConversion(const TRunRequest& request, TRunLog& log) {
  TValidation validation = ValidateRunRequest(request);
  if (const auto* message = std::get_if<std::string>(&validation)) {
    log.Add(*message);
    return;
  }
  const TRunParams& params = std::get<TRunParams>(validation);

  TOutputs outputs(params);
  const std::string indexPath = IndexFilePath(params.dataRoot);
  log.Add(indexPath);
  TTextLineReader index;
  index.Open(indexPath);
  std::string indexLine;
  do {
    indexLine = index.ReadLine();
    ConvertSheet(params, indexLine, outputs, log);
  } while (!index.AtEnd());

  outputs.Close();
  index.Close();
  log.Add(messages::kRunFinished);
}

}  // namespace velmora
