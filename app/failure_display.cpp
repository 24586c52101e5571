#include "app/failure_display.h"

#include <exception>

#include "app/message_box.h"
#include "app/qt_cp932.h"
#include "run/run_failure.h"

namespace velmora {

QString FailureText(std::string_view cp932Message) {
  QString text = FromCp932(cp932Message);
  if (!text.isEmpty() && text.back().unicode() > u'.') text += u'.';
  return text;
}

std::string CurrentFailureMessage() {
  try {
    throw;
  } catch (const ERunFailure& failure) {
    return failure.message();
  } catch (const std::exception& exception) {
    return exception.what();
  } catch (...) {
    return {};
  }
}

void TFailureDisplay::Show(std::string_view cp932Message) const {
  ShowErrorBox(title_, FailureText(cp932Message));
}

}  // namespace velmora
