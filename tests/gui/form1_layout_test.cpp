// Form1 at start-up: the window's frame, caption and flags, every control's
// name, kind, place, size, text and font, the scrolling client area, the
// initial focus and the Tab order with its radio group rule.
#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "form_fixture.h"

using velmora::test::TFormFixture;

namespace {

// The text a control shows, whatever its kind.
QString ShownText(const QWidget& control) {
  if (const auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
  if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) return edit->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
  if (const auto* memo = qobject_cast<const QPlainTextEdit*>(&control)) return memo->toPlainText();
  return QStringLiteral("<no text>");
}

}  // namespace

class Form1LayoutTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TFormFixture> fixture_;

  // Presses Tab (or Shift+Tab) from Button1 until the focus is back on it,
  // and gives the names the focus passed, Button1 first and last.
  QStringList TabCycle(Qt::KeyboardModifiers modifiers) {
    fixture_->Button1()->setFocus(Qt::OtherFocusReason);
    QStringList cycle{TFormFixture::FocusName()};
    for (int i = 0; i < 20 && (cycle.size() == 1 || cycle.back() != QStringLiteral("Button1"));
         ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
      cycle << TFormFixture::FocusName();
    }
    return cycle;
  }

 private slots:
  void init() {
    fixture_ = std::make_unique<TFormFixture>();
    QVERIFY(fixture_->WaitUntilActive());
  }
  void cleanup() { fixture_.reset(); }

  void windowAtStart() {
    const velmora::TForm1& form = fixture_->form();
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.metaObject()->className(), "velmora::TForm1");
    QCOMPARE(form.windowTitle(), QStringLiteral("Velmora_v1.0"));
    // The offscreen platform draws no frame: the outer size is the client's.
    QCOMPARE(form.frameGeometry(), QRect(697, 261, 534, 558));
    QCOMPARE(form.windowState(), Qt::WindowNoState);
    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(form.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));  // resizable
  }

  void controlsAtStart_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry");  // a label's width is that of its text: -1
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("fontPixels");
    const auto row = [](const char* name, const char* kind, QRect geometry, const char* text,
                        int fontPixels) {
      QTest::newRow(name) << QString::fromLatin1(kind) << geometry << QString::fromUtf8(text)
                          << fontPixels;
    };
    row("Label1", "QLabel", {16, 16, -1, 16}, "Velmora", 16);
    row("Label2", "QLabel", {24, 56, -1, 16}, "変換形式", 16);
    row("RadioButton1", "QRadioButton", {136, 56, 113, 17}, "Point MIF/MID", 12);
    row("RadioButton2", "QRadioButton", {264, 56, 113, 17}, "Region MIF/MID", 12);
    row("RadioButton3", "QRadioButton", {392, 56, 113, 17}, "x,y,z TEXT", 12);
    row("Memo1", "QPlainTextEdit", {16, 88, 497, 249}, "処理状況表示\n", 12);
    row("Label3", "QLabel", {24, 352, -1, 16}, "ＣＤドライブ ", 16);
    row("Edit1", "QLineEdit", {136, 352, 217, 20}, "D:", 12);
    row("Label8", "QLabel", {24, 384, -1, 16}, "ファイル名", 16);
    row("Edit2", "QLineEdit", {136, 384, 217, 20}, "File name", 12);
    row("Label4", "QLabel", {24, 424, -1, 16}, "緯度南側 (min)", 16);
    row("Y_min", "QLineEdit", {136, 424, 113, 20}, "26.056649", 12);
    row("Label6", "QLabel", {264, 424, -1, 16}, "緯度北側 (max)", 16);
    row("Y_max", "QLineEdit", {376, 424, 121, 20}, "26.881738", 12);
    row("Label5", "QLabel", {24, 456, -1, 16}, "経度西側 (min)", 16);
    row("X_min", "QLineEdit", {136, 456, 113, 20}, "127.619553", 12);
    row("Label7", "QLabel", {264, 456, -1, 16}, "経度東側 (max)", 16);
    row("X_max", "QLineEdit", {376, 456, 121, 20}, "128.357271", 12);
    row("Button1", "QPushButton", {432, 496, 75, 25}, "処理開始", 12);
  }

  void controlsAtStart() {
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(int, fontPixels);
    const QWidget* control = fixture_->Find<QWidget>(QTest::currentDataTag());
    QVERIFY(control != nullptr);
    QVERIFY2(control->inherits(kind.toLatin1().constData()), control->metaObject()->className());
    QCOMPARE(control->pos(), geometry.topLeft());
    if (kind == QStringLiteral("QLabel")) {
      QCOMPARE(control->size(), control->sizeHint());  // sized to its text
      QCOMPARE(control->focusPolicy(), Qt::NoFocus);
    } else {
      QCOMPARE(control->size(), geometry.size());
    }
    QCOMPARE(ShownText(*control), text);
    QCOMPARE(QFontInfo(control->font()).pixelSize(), fontPixels);
    QCOMPARE(control->font().weight(), QFont::Normal);
    QCOMPARE(control->font().italic(), false);
  }

  // Without the face itself, a Japanese face draws the texts, not boxes.
  void japaneseFontDrawsTheTexts() {
    const QStringList japanese{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                               QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic")};
    for (const char* name : {"Edit1", "Label3", "Memo1"}) {
      const QFontInfo info(fixture_->Find<QWidget>(name)->font());
      QVERIFY2(japanese.contains(info.family()),
               qPrintable(QString::fromLatin1(name) + ": " + info.family()));
    }
  }

  void textBoxesHaveNoLengthLimit() {
    QLineEdit* edit = fixture_->Edit("Edit2");
    const QString longText(100000, u'x');
    edit->setText(longText);
    QCOMPARE(edit->text(), longText);
  }

  void scrollsWhenTooSmall() {
    auto* scroll = fixture_->form().findChild<QScrollArea*>();
    QVERIFY(scroll != nullptr);
    QVERIFY(!scroll->horizontalScrollBar()->isVisible());
    QVERIFY(!scroll->verticalScrollBar()->isVisible());
    fixture_->form().resize(300, 200);
    QTRY_VERIFY(scroll->horizontalScrollBar()->isVisible());
    QTRY_VERIFY(scroll->verticalScrollBar()->isVisible());
    // Button1, in the far corner, can be scrolled into view.
    scroll->ensureWidgetVisible(fixture_->Button1());
    QTRY_VERIFY(fixture_->Button1()->visibleRegion().boundingRect().size() == QSize(75, 25));
  }

  void focusStartsOnButton1() {
    QTRY_COMPARE(TFormFixture::FocusName(), QStringLiteral("Button1"));
  }

  void tabOrder_data() {
    QTest::addColumn<QString>("before");  // what the user did first
    QTest::addColumn<QStringList>("forward");
    const QStringList boxes{"Button1", "Memo1", "Edit1", "Y_min",
                            "X_min",   "Y_max", "X_max", "Edit2"};
    // With none selected the radio group is no Tab stop.
    QTest::newRow("none selected") << QString() << (boxes + QStringList{"Button1"});
    // Only the selected button of the group is a stop.
    QTest::newRow("second selected")
        << QStringLiteral("RadioButton2") << (boxes + QStringList{"RadioButton2", "Button1"});
    QTest::newRow("third selected")
        << QStringLiteral("RadioButton3") << (boxes + QStringList{"RadioButton3", "Button1"});
    // A press on a button that ends off it selects nothing and leaves no
    // stop behind, though the button had the focus for a while.
    QTest::newRow("press released outside")
        << QStringLiteral("press RadioButton1") << (boxes + QStringList{"Button1"});
  }

  void tabOrder() {
    QFETCH(QString, before);
    QFETCH(QStringList, forward);
    if (before.startsWith(QStringLiteral("press "))) {
      QRadioButton* radio = fixture_->Radio(qPrintable(before.mid(6)));
      QTest::mousePress(radio, Qt::LeftButton);
      QTest::mouseRelease(radio, Qt::LeftButton, {}, QPoint(-40, -40));
      QVERIFY(!radio->isChecked());
      QCOMPARE(TFormFixture::FocusName(), radio->objectName());
    } else if (!before.isEmpty()) {
      QTest::mouseClick(fixture_->Radio(qPrintable(before)), Qt::LeftButton);
    }
    QCOMPARE(TabCycle(Qt::NoModifier), forward);
    QStringList backward = forward;
    std::reverse(backward.begin(), backward.end());
    QCOMPARE(TabCycle(Qt::ShiftModifier), backward);
  }
};

QTEST_MAIN(Form1LayoutTest)
#include "form1_layout_test.moc"
