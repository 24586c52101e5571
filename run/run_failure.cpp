#include "run/run_failure.h"

#include <charconv>
#include <string_view>

#include "run/messages.h"

namespace velmora {

namespace {

struct TCodeMessage {
  int code;
  std::string_view message;
};

constexpr TCodeMessage kCodeMessages[] = {
    {2, messages::kFileNotFound},      {3, messages::kPathNotFound},
    {4, messages::kTooManyOpenFiles},  {5, messages::kAccessDenied},
    {100, messages::kReadBeyondEnd},   {101, messages::kDiskWriteFailure},
    {106, messages::kNotANumber},
};

std::string OtherIoMessage(int code) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, code).ptr;
  std::string text(messages::kIoErrorPrefix);
  text.append(digits, end);
  text += ')';
  return text;
}

}  // namespace

std::string IoResultMessage(int code) {
  for (const auto& row : kCodeMessages)
    if (row.code == code) return std::string(row.message);
  return OtherIoMessage(code);
}

ERunFailure IoFailure(int code) { return ERunFailure(code, IoResultMessage(code)); }

ERunFailure OtherIoFailure(int code) { return ERunFailure(code, OtherIoMessage(code)); }

ERunFailure OverflowFailure() {
  return ERunFailure(0, std::string(messages::kFloatOverflow));
}

}  // namespace velmora
