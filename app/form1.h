// Form1, the program's one window: the inputs of a conversion run, the start
// button Button1 and the run log Memo1.
//
// Every control carries its name as its Qt object name, sits at its stored
// position and size (pixels at 96 dpi, scaled by Qt with the display) in a
// client area that scrolls when the window is made too small, and starts with
// its stored text; Button1 has the focus. The window keeps no state of its
// own: a run reads the controls as they stand at the click.
//
// Handlers:
//   Button1Click      on a click of Button1, or Enter while it has the focus:
//                     fills a TRunRequest from the texts as shown (converted
//                     to CP932) and the format choice, and calls
//                     RunConversion with the run log on this thread. An
//                     ERunFailure is shown by the failure display.
//   RadioButtonNClick when radio button N has just become the selected one:
//                     appends its caption to the run log.
// A failure of any other kind that leaves a handler goes to the same display;
// no exception leaves a Qt slot.
#pragma once

#include <QMainWindow>
#include <optional>

#include "app/memo_log.h"
#include "run/run_request.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class TFailureDisplay;
class TGroupRadioButton;

class TForm1 final : public QMainWindow {
  Q_OBJECT

 public:
  // `failureDisplay` must outlive the window.
  explicit TForm1(const TFailureDisplay& failureDisplay);

 private:
  void Button1Click();
  void RadioButton1Click();
  void RadioButton2Click();
  void RadioButton3Click();

  void SetUpWindow();
  void SetUpControls();
  void SetTabOrder();
  void ConnectHandlers();
  template <typename Sender, typename Signal, typename Handler>
  void Handle(Sender* sender, Signal signal, Handler handler);

  TRunRequest RequestFromControls() const;
  std::optional<TOutputFormat> ChosenFormat() const;

  QWidget* const client_;  // the scrolled client area that holds the controls

  QPushButton* const Button1;
  QLineEdit* const Edit1;
  QLabel* const Label1;
  QLabel* const Label2;
  QPlainTextEdit* const Memo1;
  QLabel* const Label3;
  QLabel* const Label4;
  QLabel* const Label5;
  QLineEdit* const Y_min;
  QLineEdit* const X_min;
  QLabel* const Label6;
  QLineEdit* const Y_max;
  QLabel* const Label7;
  QLineEdit* const X_max;
  QLabel* const Label8;
  QLineEdit* const Edit2;
  TGroupRadioButton* const RadioButton1;
  TGroupRadioButton* const RadioButton2;
  TGroupRadioButton* const RadioButton3;

  TMemoLog log_;
  const TFailureDisplay& failureDisplay_;
};

}  // namespace velmora
