// The application object: the program title from the running program's file
// name, and exceptions that reach the event loop shown by the failure display
// instead of ending the program.
#include <QTest>
#include <functional>
#include <stdexcept>

#include "app/message_box.h"
#include "app/velmora_application.h"
#include "run/messages.h"
#include "run/run_failure.h"

namespace {

// An object whose every event handler throws what `thrower` throws.
class TThrowingObject final : public QObject {
 public:
  explicit TThrowingObject(std::function<void()> thrower) : thrower_(std::move(thrower)) {}
  int handled = 0;

 protected:
  bool event(QEvent*) override {
    ++handled;
    thrower_();
    return true;
  }

 private:
  std::function<void()> thrower_;
};

}  // namespace

Q_DECLARE_METATYPE(std::function<void()>)

class VelmoraApplicationTest : public QObject {
  Q_OBJECT

 private slots:
  // The test program's file is velmora_application_test.
  void titleFromTheProgramFile() {
    const auto* application = static_cast<velmora::TVelmoraApplication*>(qApp);
    QCOMPARE(application->failureDisplay().title(), QStringLiteral("velmora_application_test"));
  }

  void exceptionsReachingTheLoop_data() {
    QTest::addColumn<std::function<void()>>("thrower");
    QTest::addColumn<QString>("shown");
    QTest::newRow("run failure") << std::function<void()>([] {
      throw velmora::ERunFailure(2, std::string(velmora::messages::kFileNotFound));
    }) << "ﾌｧｲﾙが見つかりません.";
    QTest::newRow("I/O error keeps its parenthesis")
        << std::function<void()>([] { throw velmora::OtherIoFailure(21); }) << "I/O ｴﾗｰ (21)";
    QTest::newRow("standard exception")
        << std::function<void()>([] { throw std::runtime_error("out of range"); })
        << "out of range.";
    QTest::newRow("anything else") << std::function<void()>([] { throw 7; }) << "";
  }

  void exceptionsReachingTheLoop() {
    QFETCH(std::function<void()>, thrower);
    QFETCH(QString, shown);
    const velmora::TErrorBoxRecorder recorder;
    TThrowingObject object(thrower);
    QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    // Both events were handled: the loop went on after the first failure.
    QCOMPARE(object.handled, 2);
    QCOMPARE(recorder.boxes().size(), std::size_t{2});
    QCOMPARE(recorder.boxes()[0].title, QStringLiteral("velmora_application_test"));
    QCOMPARE(recorder.boxes()[0].text, shown);
  }
};

int main(int argc, char** argv) {
  velmora::TVelmoraApplication application(argc, argv);
  VelmoraApplicationTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "velmora_application_test.moc"
