// A fresh Form1 for one test: shown and active on the offscreen platform,
// its failure boxes recorded instead of opened, its controls found by their
// object names.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QTest>
#include <memory>
#include <string>

#include "app/failure_display.h"
#include "app/form1.h"
#include "app/message_box.h"

namespace velmora::test {

// The title the fixture's failure display gives its boxes.
inline const QString kFixtureTitle = QStringLiteral("Velmoratest");

class TFormFixture {
 public:
  TFormFixture() : display_(kFixtureTitle), form_(display_) {
    form_.show();
    form_.activateWindow();  // there may be no window manager to do it
  }

  // Waits until the window is shown and active; false if it never is.
  bool WaitUntilActive() { return QTest::qWaitForWindowActive(&form_); }

  TForm1& form() { return form_; }
  const std::vector<TErrorBox>& boxes() const { return recorder_.boxes(); }

  // The control named `name`; null if there is none of that type.
  template <typename Control>
  Control* Find(const char* name) const {
    return form_.findChild<Control*>(QString::fromLatin1(name));
  }
  QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
  QRadioButton* Radio(const char* name) const { return Find<QRadioButton>(name); }
  QPushButton* Button1() const { return Find<QPushButton>("Button1"); }
  QPlainTextEdit* Memo1() const { return Find<QPlainTextEdit>("Memo1"); }

  QString Log() const { return Memo1()->toPlainText(); }

  // The name of the control that has the keyboard focus, or "" if none.
  static QString FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
  }

 private:
  TErrorBoxRecorder recorder_;
  TFailureDisplay display_;
  TForm1 form_;
};

// Texts of the run log as the window shows them.
inline const QString kStartLine = QStringLiteral("処理状況表示");
inline const QString kNoFormat = QStringLiteral("出力形式を選んでください");
inline const QString kFinished = QStringLiteral("処理終了しました。");

// The log text made of `lines`, each followed by a line break.
inline QString LogOf(const QStringList& lines) { return lines.join(u'\n') + u'\n'; }

}  // namespace velmora::test
