#include "app/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace velmora {

namespace {

TErrorBoxRecorder* recorder = nullptr;

}  // namespace

TErrorBoxRecorder::TErrorBoxRecorder() { recorder = this; }

TErrorBoxRecorder::~TErrorBoxRecorder() { recorder = nullptr; }

void ShowErrorBox(const QString& title, const QString& text) {
  if (recorder != nullptr) {
    recorder->boxes_.push_back({title, text});
    return;
  }
  QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace velmora
