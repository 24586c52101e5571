// One conversion run, from the inputs as typed to the closed output files.
#pragma once

#include "run/run_log.h"
#include "run/run_request.h"

namespace velmora {

// Validates `request`; on a validation message, appends it to `log` and
// returns without touching any file. Otherwise creates the output files of
// the chosen format, appends the index path, walks the sheet index, reads and
// writes every sheet that touches the rectangle (appending each one's index
// line after its grid has been read), closes every file and appends
// "処理終了しました。".
//
// Throws ERunFailure at the first failing file operation or number too large
// to hold; the run then ends at once. Files the run had open are closed on
// the way out; no file is deleted.
void RunConversion(const TRunRequest& request, TRunLog& log);

}  // namespace velmora
