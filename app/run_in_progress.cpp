#include "app/run_in_progress.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace velmora {

TRunInProgress::TRunInProgress(QWidget& window, TRunLog& windowLog)
    : window_(window), windowLog_(windowLog) {
  window_.installEventFilter(this);
}

TRunInProgress::~TRunInProgress() {
  window_.removeEventFilter(this);
  if (closeRequested_) {
    QWidget* window = &window_;
    QMetaObject::invokeMethod(
        window, [window] { window->close(); }, Qt::QueuedConnection);
  }
}

void TRunInProgress::Add(std::string_view line) {
  windowLog_.Add(line);
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool TRunInProgress::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_ || event->type() != QEvent::Close) return false;
  closeRequested_ = true;
  event->ignore();
  return true;
}

}  // namespace velmora
