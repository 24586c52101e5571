// A conversion run holds the window's only thread from the click on Button1
// until RunConversion returns. While a TRunInProgress lives:
//   - each line the run logs goes to the window's log and is painted at once,
//     with whatever else of the window needs repainting, so a long run shows
//     its progress. User input (keys, mouse, wheel) is not handled meanwhile:
//     it waits and reaches the window after the run has returned, so no
//     handler runs during a run;
//   - a request to close the window is ignored. When the object goes away
//     after such a request, the window is closed: the request takes effect
//     only once the run (and its failure box, if any) is over.
#pragma once

#include <QObject>
#include <string_view>

#include "run/run_log.h"

class QWidget;

namespace velmora {

class TRunInProgress final : public QObject, public TRunLog {
 public:
  TRunInProgress(QWidget& window, TRunLog& windowLog);
  ~TRunInProgress() override;
  TRunInProgress(const TRunInProgress&) = delete;
  TRunInProgress& operator=(const TRunInProgress&) = delete;

  void Add(std::string_view line) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  TRunLog& windowLog_;
  bool closeRequested_ = false;
};

}  // namespace velmora
