// Form1's handlers without a disc: the run log at start, format choices by
// mouse and keyboard, Enter on Button1 against Enter elsewhere, a click with
// the texts at start, and text the user types into the log.
#include <QTest>
#include <memory>

#include "form_fixture.h"

using velmora::test::kNoFormat;
using velmora::test::kStartLine;
using velmora::test::LogOf;
using velmora::test::TFormFixture;

class Form1InputTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TFormFixture> fixture_;

  // Types `text` into `widget` key by key; characters beyond Latin-1, which
  // have no key of their own, go in as an input method would put them.
  static void Type(QPlainTextEdit* widget, const QString& text) {
    for (const QChar c : text) {
      if (c == u'\n')
        QTest::keyClick(widget, Qt::Key_Return);
      else if (c.unicode() < 0x80)
        QTest::keyClick(widget, static_cast<char>(c.unicode()));
      else
        widget->insertPlainText(QString(c));
    }
  }

 private slots:
  void init() {
    fixture_ = std::make_unique<TFormFixture>();
    QVERIFY(fixture_->WaitUntilActive());
  }
  void cleanup() { fixture_.reset(); }

  void logAndChoiceAtStart() {
    QCOMPARE(fixture_->Log(), LogOf({kStartLine}));
    for (const char* name : {"RadioButton1", "RadioButton2", "RadioButton3"})
      QVERIFY2(!fixture_->Radio(name)->isChecked(), name);
  }

  // Each step is a click on a radio button, or "Left"/"Right" on the focused one.
  void formatChoices_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("appended");
    QTest::addColumn<QString>("selected");
    QTest::newRow("one choice") << QStringList{"RadioButton1"} << QStringList{"Point MIF/MID"}
                                << "RadioButton1";
    // Choosing the selected button again appends nothing.
    QTest::newRow("again, then another")
        << QStringList{"RadioButton2", "RadioButton2", "RadioButton3"}
        << QStringList{"Region MIF/MID", "x,y,z TEXT"} << "RadioButton3";
    QTest::newRow("back and forth")
        << QStringList{"RadioButton3", "RadioButton1", "RadioButton3"}
        << QStringList{"x,y,z TEXT", "Point MIF/MID", "x,y,z TEXT"} << "RadioButton3";
    // The keyboard chooses as the mouse does.
    QTest::newRow("arrow keys") << QStringList{"RadioButton1", "Right", "Right", "Left"}
                                << QStringList{"Point MIF/MID", "Region MIF/MID", "x,y,z TEXT",
                                               "Region MIF/MID"}
                                << "RadioButton2";
  }

  void formatChoices() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, appended);
    QFETCH(QString, selected);
    for (const QString& step : steps) {
      if (step == QStringLiteral("Left") || step == QStringLiteral("Right"))
        QTest::keyClick(QApplication::focusWidget(),
                        step == QStringLiteral("Left") ? Qt::Key_Left : Qt::Key_Right);
      else
        QTest::mouseClick(fixture_->Radio(qPrintable(step)), Qt::LeftButton);
    }
    QCOMPARE(fixture_->Log(), LogOf(QStringList{kStartLine} + appended));
    for (const char* name : {"RadioButton1", "RadioButton2", "RadioButton3"})
      QCOMPARE(fixture_->Radio(name)->isChecked(), selected == QLatin1String(name));
  }

  // With the texts at start the run stops at the missing format alone.
  void clickWithTextsAtStart() {
    QTest::mouseClick(fixture_->Button1(), Qt::LeftButton);
    QCOMPARE(fixture_->Log(), LogOf({kStartLine, kNoFormat}));
    QVERIFY(fixture_->boxes().empty());
    QCOMPARE(fixture_->Edit("Edit1")->text(), QStringLiteral("D:"));
  }

  void enterStartsARunOnlyOnButton1_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("runs");
    QTest::newRow("Return on Button1") << "Button1" << int{Qt::Key_Return} << true;
    QTest::newRow("keypad Enter on Button1") << "Button1" << int{Qt::Key_Enter} << true;
    for (const char* box : {"Edit1", "Edit2", "Y_min", "Y_max", "X_min", "X_max"})
      QTest::newRow(box) << box << int{Qt::Key_Return} << false;
    QTest::newRow("keypad Enter in Y_min") << "Y_min" << int{Qt::Key_Enter} << false;
    QTest::newRow("Return on a radio button") << "RadioButton2" << int{Qt::Key_Return} << false;
  }

  void enterStartsARunOnlyOnButton1() {
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(bool, runs);
    QWidget* widget = fixture_->Find<QWidget>(qPrintable(control));
    if (control.startsWith(QStringLiteral("RadioButton")))
      QTest::mouseClick(widget, Qt::LeftButton);  // a stop of Tab only when selected
    widget->setFocus(Qt::TabFocusReason);
    const QString before = fixture_->Log();
    QTest::keyClick(widget, Qt::Key(key));
    QCOMPARE(fixture_->Log(), runs ? before + kNoFormat + u'\n' : before);
  }

  // The first Enter goes to Button1, where the focus is at start.
  void enterAtStart() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(fixture_->Log(), LogOf({kStartLine, kNoFormat}));
  }

  // Enter in the log is a line break, not a run.
  void enterInTheLogBreaksTheLine() {
    QPlainTextEdit* memo = fixture_->Memo1();
    memo->setFocus(Qt::TabFocusReason);
    memo->moveCursor(QTextCursor::End);
    Type(memo, QStringLiteral("ab\ncd"));
    QCOMPARE(fixture_->Log(), kStartLine + QStringLiteral("\nab\ncd"));
  }

  // What the user typed stays where it is; the next line stands on its own
  // line after all of it.
  void typedTextKeepsItsPlace_data() {
    QTest::addColumn<int>("cursorAt");  // QTextCursor::MoveOperation
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");  // the log after two choices
    QTest::newRow("after the last line break")
        << int{QTextCursor::End} << "typed"
        << kStartLine + "\ntyped\nPoint MIF/MID\nRegion MIF/MID";
    QTest::newRow("a whole line") << int{QTextCursor::End} << "typed\n"
                                  << kStartLine + "\ntyped\nPoint MIF/MID\nRegion MIF/MID\n";
    QTest::newRow("inside an earlier line")
        << int{QTextCursor::Start} << "typed "
        << "typed " + kStartLine + "\nPoint MIF/MID\nRegion MIF/MID\n";
    QTest::newRow("Japanese text")
        << int{QTextCursor::End} << "入力" << kStartLine + "\n入力\nPoint MIF/MID\nRegion MIF/MID";
  }

  void typedTextKeepsItsPlace() {
    QFETCH(int, cursorAt);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QPlainTextEdit* memo = fixture_->Memo1();
    memo->setFocus(Qt::TabFocusReason);
    memo->moveCursor(QTextCursor::MoveOperation(cursorAt));
    Type(memo, typed);
    QTest::mouseClick(fixture_->Radio("RadioButton1"), Qt::LeftButton);
    QTest::mouseClick(fixture_->Radio("RadioButton2"), Qt::LeftButton);
    QCOMPARE(fixture_->Log(), after);
  }
};

QTEST_MAIN(Form1InputTest)
#include "form1_input_test.moc"
