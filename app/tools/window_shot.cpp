// velmora-window-shot FILE.png: opens Form1 as the program does, waits until
// the display shows it, and saves the screen's pixels under the window's
// frame to FILE.png. Made for the README picture; screenshot.sh runs it
// under Xvfb.
#include <QCoreApplication>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <iostream>

#include "app/form1.h"
#include "app/velmora_application.h"

int main(int argc, char** argv) {
  velmora::TVelmoraApplication application(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() != 2) {
    std::cerr << "usage: velmora-window-shot FILE.png\n";
    return 64;
  }
  velmora::TForm1 Form1(application.failureDisplay());
  Form1.show();
  while (!Form1.windowHandle()->isExposed())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  Form1.repaint();
  const QRect frame = Form1.frameGeometry();
  const QPixmap shot =
      Form1.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
  if (!shot.save(arguments.at(1))) {
    std::cerr << "velmora-window-shot: cannot write " << arguments.at(1).toStdString() << '\n';
    return 1;
  }
  return 0;
}
