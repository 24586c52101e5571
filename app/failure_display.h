// The one display of a failure that leaves an event handler: the failure's
// message in an error box (see message_box.h) titled with the program title.
// The failure's code is not shown.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace velmora {

// The text shown for a failure message (CP932): the message as Unicode, with
// "." appended when it is not empty and its last character lies above U+002E,
// that is anything but a control character, the blank or one of "!" to ".".
// So "ﾌｧｲﾙが見つかりません" is shown with a "." and "I/O ｴﾗｰ (21)" as it is.
QString FailureText(std::string_view cp932Message);

// The message (CP932) of the exception being handled; call only inside a
// catch block. An ERunFailure gives its message, any other std::exception its
// what(), anything else the empty text.
std::string CurrentFailureMessage();

class TFailureDisplay {
 public:
  explicit TFailureDisplay(QString programTitle) : title_(std::move(programTitle)) {}

  const QString& title() const { return title_; }

  // Shows FailureText(cp932Message) and returns when the box is closed.
  void Show(std::string_view cp932Message) const;

  // Shows the exception being handled; call only inside a catch block.
  void ShowCurrent() const { Show(CurrentFailureMessage()); }

  // Runs `handler`. Whatever it throws is shown here and goes no further, so
  // no exception leaves a Qt slot.
  template <typename Handler>
  void Catch(Handler&& handler) const {
    try {
      handler();
    } catch (...) {
      ShowCurrent();
    }
  }

 private:
  QString title_;
};

}  // namespace velmora
