// Turning the inputs as typed into the validated inputs of a run.
#pragma once

#include <string>
#include <variant>

#include "run/run_request.h"

namespace velmora {

// Either the validated parameters, or the one run log line (CP932) that ends
// the run: "数値入力エラー1" (a bound text that is not a number),
// "数値入力エラー" (a bound out of range or the bounds out of order) or
// "出力形式を選んでください" (no format). The four texts are parsed and held
// first, in the order Y_min, Y_max, X_min, X_max; a value too large to hold
// throws the overflow ERunFailure there.
using TValidation = std::variant<TRunParams, std::string>;

TValidation ValidateRunRequest(const TRunRequest& request);

}  // namespace velmora
