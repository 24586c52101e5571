// Every message box of the program opens here, so that tests can answer it.
//
// ShowErrorBox opens a modal box owned by the program: `text`, `title`, one
// OK button and the error (stop) icon, centred on the window that is active,
// which takes no input until the user closes the box and is active again
// afterwards. It returns when the box has been closed.
//
// While a TErrorBoxRecorder exists, ShowErrorBox opens nothing: it records
// the box and returns at once, as if the user had pressed OK.
#pragma once

#include <QString>
#include <vector>

namespace velmora {

void ShowErrorBox(const QString& title, const QString& text);

struct TErrorBox {
  QString title;
  QString text;
};

class TErrorBoxRecorder {
 public:
  TErrorBoxRecorder();
  ~TErrorBoxRecorder();
  TErrorBoxRecorder(const TErrorBoxRecorder&) = delete;
  TErrorBoxRecorder& operator=(const TErrorBoxRecorder&) = delete;

  // The boxes shown since this recorder was made, oldest first.
  const std::vector<TErrorBox>& boxes() const { return boxes_; }

 private:
  friend void ShowErrorBox(const QString& title, const QString& text);
  std::vector<TErrorBox> boxes_;
};

}  // namespace velmora
