#include "run/validation.h"

#include "run/messages.h"
#include "run/number_text.h"

namespace velmora {

namespace {

bool Outside(double value, double low, double high) { return value > high || value < low; }

}  // namespace

TValidation ValidateRunRequest(const TRunRequest& request) {
  const TParsedNumber south = ParseNumberText(request.Y_min);
  const TParsedNumber north = ParseNumberText(request.Y_max);
  const TParsedNumber west = ParseNumberText(request.X_min);
  const TParsedNumber east = ParseNumberText(request.X_max);

  if (south.errorPos != 0 || north.errorPos != 0 || west.errorPos != 0 || east.errorPos != 0)
    return std::string(messages::kNumberTextError);

  if (Outside(north.value, 0, 90) || Outside(south.value, 0, 90) || south.value > north.value ||
      west.value > east.value || Outside(east.value, 90, 180) || Outside(west.value, 90, 180))
    return std::string(messages::kNumberRangeError);

  if (!request.format) return std::string(messages::kNoFormatChosen);

  TRunParams params;
  params.dataRoot = request.dataRoot;
  params.baseName = request.baseName;
  params.Y_min = south.value;
  params.Y_max = north.value;
  params.X_min = west.value;
  params.X_max = east.value;
  params.format = *request.format;
  return params;
}

}  // namespace velmora
