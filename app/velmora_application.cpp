#include "app/velmora_application.h"

#include "app/program_title.h"

namespace velmora {

TVelmoraApplication::TVelmoraApplication(int& argc, char** argv)
    : QApplication(argc, argv), failureDisplay_(ProgramTitle(applicationFilePath())) {}

bool TVelmoraApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    failureDisplay_.ShowCurrent();
    return false;
  }
}

}  // namespace velmora
