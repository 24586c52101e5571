// Places a top-level window by its outer frame, title bar and borders
// included: the frame's top-left corner at `outer.topLeft()` (screen pixels,
// used as stored: neither centred nor moved onto the screen) and the frame's
// size `outer.size()`.
//
// Qt sizes a window by its client area and learns the size of the frame only
// once the desktop has framed the shown window. So the window starts with the
// whole outer size as its client size, and the first time a frame is
// reported the client shrinks by the frame's size, once. Later changes of the
// frame (maximising, a new theme) and the user's own resizing are left alone.
// Where no frame is ever reported (no window manager, the offscreen
// platform) the client keeps the outer size.
#pragma once

#include <QObject>
#include <QRect>

class QWidget;

namespace velmora {

class TStoredFrame final : public QObject {
 public:
  // Owned by `window`.
  TStoredFrame(QWidget& window, const QRect& outer);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  QSize outerSize_;
};

}  // namespace velmora
