// The one failure that ends a conversion run.
//
// An ERunFailure is raised at the failing operation and passed up unchanged to
// the caller of RunConversion. It carries the text shown to the user
// (`message`, CP932 bytes) and the I/O result code (`code`): the host's error
// number for a failed file operation, one of 100..106 for the text-file layer,
// or 0 for the floating-point overflow failure.
#pragma once

#include <stdexcept>
#include <string>

namespace velmora {

class ERunFailure : public std::runtime_error {
 public:
  ERunFailure(int code, const std::string& message)
      : std::runtime_error(message), code_(code) {}

  int code() const noexcept { return code_; }
  std::string message() const { return what(); }

 private:
  int code_;
};

// The message of I/O result code `code`, CP932: the fixed texts of codes 2, 3,
// 4, 5, 100, 101 and 106, and "I/O ｴﾗｰ (n)" for any other n.
std::string IoResultMessage(int code);

// The failure of a file operation with I/O result code `code` and the message
// IoResultMessage gives for it.
ERunFailure IoFailure(int code);

// The failure of a file operation whose host error number `code` has no cause
// of its own in the message table: "I/O ｴﾗｰ (code)", whatever the number.
ERunFailure OtherIoFailure(int code);

// The floating-point overflow failure: code 0, "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ".
ERunFailure OverflowFailure();

}  // namespace velmora
