// velmora: opens the one window, Form1, and runs until it is closed.
#include "app/form1.h"
#include "app/velmora_application.h"

int main(int argc, char** argv) {
  velmora::TVelmoraApplication application(argc, argv);
  velmora::TForm1 Form1(application.failureDisplay());
  Form1.show();
  return velmora::TVelmoraApplication::exec();
}
