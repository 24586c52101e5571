// The program's application object: the event loop on the one thread, the
// program title worked out once at start-up from the running program's file
// name, and the failure display titled with it.
//
// Any exception that reaches the event loop from an event handler is shown
// by the failure display, and the loop goes on; the program does not end.
#pragma once

#include <QApplication>

#include "app/failure_display.h"

namespace velmora {

class TVelmoraApplication final : public QApplication {
 public:
  TVelmoraApplication(int& argc, char** argv);

  const TFailureDisplay& failureDisplay() const { return failureDisplay_; }

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  TFailureDisplay failureDisplay_;
};

}  // namespace velmora
