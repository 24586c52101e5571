#include "app/stored_frame.h"

#include <QEvent>
#include <QWidget>

namespace velmora {

TStoredFrame::TStoredFrame(QWidget& window, const QRect& outer)
    : QObject(&window), window_(window), outerSize_(outer.size()) {
  window_.move(outer.topLeft());  // before the first show: the frame's corner
  window_.resize(outerSize_);
  window_.installEventFilter(this);
}

bool TStoredFrame::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched != &window_ ||
      (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize))
    return false;
  const QSize frame = window_.frameGeometry().size() - window_.size();
  if (!frame.isNull()) {
    window_.removeEventFilter(this);
    window_.resize(outerSize_ - frame);
  }
  return false;
}

}  // namespace velmora
