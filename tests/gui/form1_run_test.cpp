// Whole runs started from Form1 on a tiny disc in a temporary folder: the log
// lines in order and the files made; failing runs and their boxes, with the
// window working afterwards; painting and close requests during a run.
#include <QTest>
#include <QWindow>
#include <filesystem>
#include <memory>

#include "form_fixture.h"
#include "host/cp932.h"
#include "support/tiny_disc.h"

using velmora::test::kFinished;
using velmora::test::kFixtureTitle;
using velmora::test::kStartLine;
using velmora::test::LogOf;
using velmora::test::TFormFixture;
using velmora::test::TTempFolder;
namespace fs = std::filesystem;

namespace {

// The disc's index: two sheets that touch the default rectangle (392754 in
// its cells 192 to 200 of every row, 392755 wholly) and one far away.
const QStringList kIndexLines{QStringLiteral("392754,首里"), QStringLiteral("392755,東"),
                              QStringLiteral("533945,東京")};

void WriteTinyDisc(const fs::path& root) {
  std::vector<std::string> lines;
  for (const QString& line : kIndexLines)
    lines.push_back(velmora::Utf8ToCp932(line.toStdString()).value());
  velmora::test::WriteDisc(root, lines, [](int row, int column) {
    return column == 200 && row == 1 ? std::string("-9999") : std::to_string(row + column);
  });
}

std::size_t CountLines(const fs::path& file) {
  const std::string bytes = velmora::test::ReadFile(file);
  std::size_t lines = 0;
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
       at = bytes.find("\r\n", at + 2))
    ++lines;
  return lines;
}

// Records what Memo1 showed each time it was painted.
class TPaintRecorder final : public QObject {
 public:
  explicit TPaintRecorder(QPlainTextEdit& memo) : memo_(memo) {
    memo_.viewport()->installEventFilter(this);
  }
  QStringList shown;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) shown << memo_.toPlainText();
    return false;
  }

 private:
  QPlainTextEdit& memo_;
};

}  // namespace

class Form1RunTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TFormFixture> fixture_;
  std::unique_ptr<TTempFolder> disc_;
  std::unique_ptr<TTempFolder> out_;

  QString IndexPath() const { return QString::fromStdString(disc_->str()) + "\\zumei.csv"; }

  // The lines a completed run on the tiny disc appends.
  QStringList CompletedRun() const {
    return QStringList{IndexPath(), kIndexLines[0], kIndexLines[1], kFinished};
  }

  void Click(const char* name) { QTest::mouseClick(fixture_->Find<QWidget>(name), Qt::LeftButton); }

 private slots:
  void init() {
    disc_ = std::make_unique<TTempFolder>();
    out_ = std::make_unique<TTempFolder>();
    WriteTinyDisc(disc_->path());
    fixture_ = std::make_unique<TFormFixture>();
    QVERIFY(fixture_->WaitUntilActive());
    fixture_->Edit("Edit1")->setText(QString::fromStdString(disc_->str()));
    fixture_->Edit("Edit2")->setText(QString::fromStdString(out_->str()) + "/out");
  }
  void cleanup() {
    fixture_.reset();
    disc_.reset();
    out_.reset();
  }

  void completeRun_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("cellFile");   // one line per cell kept
    QTest::addColumn<QString>("mifObject");  // the first line of each object in out.mif
    QTest::newRow("point") << "RadioButton1"
                           << "Point MIF/MID"
                           << "out.mid"
                           << "Point ";
    QTest::newRow("region") << "RadioButton2"
                            << "Region MIF/MID"
                            << "out.mid"
                            << "Region  1";
    QTest::newRow("xyz") << "RadioButton3"
                         << "x,y,z TEXT"
                         << "out.txt" << QString();
  }

  void completeRun() {
    QFETCH(QString, radio);
    QFETCH(QString, format);
    QFETCH(QString, cellFile);
    QFETCH(QString, mifObject);
    Click(qPrintable(radio));
    Click("Button1");
    QCOMPARE(fixture_->Log(), LogOf(QStringList{kStartLine, format} + CompletedRun()));
    QVERIFY(fixture_->boxes().empty());
    // 392754: 200 rows of 9 cells; 392755: 200 x 200 cells; in each sheet
    // the cell of row 1, column 200 holds no data.
    constexpr std::size_t kCells = 200 * 9 + 200 * 200 - 2;
    QCOMPARE(CountLines(out_->path() / cellFile.toStdString()), kCells);
    const fs::path mif = out_->path() / "out.mif";
    QCOMPARE(fs::exists(mif), !mifObject.isEmpty());
    if (mifObject.isEmpty()) return;
    const QByteArray bytes = QByteArray::fromStdString(velmora::test::ReadFile(mif));
    QVERIFY(bytes.startsWith("Version 300\r\n"));
    QCOMPARE(std::size_t(bytes.count("\r\n" + mifObject.toLatin1() + "\r\n")), kCells);
  }

  void secondRunFollowsTheFirst() {
    Click("RadioButton3");
    Click("Button1");
    Click("Button1");
    QCOMPARE(fixture_->Log(),
             LogOf(QStringList{kStartLine, "x,y,z TEXT"} + CompletedRun() + CompletedRun()));
  }

  // Texts reach the run in CP932; a character without a CP932 form as "?".
  void textsReachTheRunInCp932() {
    fixture_->Edit("Edit2")->setText(QString::fromStdString(out_->str()) + "/出力€");
    Click("RadioButton3");
    Click("Button1");
    QVERIFY(fixture_->Log().endsWith(kFinished + u'\n'));
    QVERIFY(fs::exists(out_->path() / "出力?.txt"));
  }

  void failedRun_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("logged");  // after the format line
    QTest::newRow("no index") << "zumei.csv"
                              << "ﾌｧｲﾙが見つかりません." << QStringList{"<index>"};
    QTest::newRow("no grid file") << "data/3927/392754.mem"
                                  << "ﾌｧｲﾙが見つかりません." << QStringList{"<index>"};
    QTest::newRow("no grid folder") << "data/3927"
                                    << "不正なﾌｧｲﾙ名です." << QStringList{"<index>"};
    QTest::newRow("bound too large") << "Y_max 1e39"
                                     << "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ." << QStringList{};
  }

  void failedRun() {
    QFETCH(QString, fault);
    QFETCH(QString, box);
    QFETCH(QStringList, logged);
    if (fault.startsWith(QStringLiteral("Y_max ")))
      fixture_->Edit("Y_max")->setText(fault.mid(6));
    else
      fs::remove_all(disc_->path() / fault.toStdString());
    logged.replaceInStrings(QStringLiteral("<index>"), IndexPath());

    Click("RadioButton3");
    Click("Button1");
    QCOMPARE(fixture_->boxes().size(), std::size_t{1});
    QCOMPARE(fixture_->boxes()[0].title, kFixtureTitle);
    QCOMPARE(fixture_->boxes()[0].text, box);
    const QStringList before = QStringList{kStartLine, "x,y,z TEXT"} + logged;
    QCOMPARE(fixture_->Log(), LogOf(before));

    // The window goes on working: texts and choice kept, the next run fresh.
    QVERIFY(fixture_->Radio("RadioButton3")->isChecked());
    QCOMPARE(fixture_->Edit("Edit1")->text(), QString::fromStdString(disc_->str()));
    WriteTinyDisc(disc_->path());
    fixture_->Edit("Y_max")->setText(QStringLiteral("26.881738"));
    Click("Button1");
    QCOMPARE(fixture_->Log(), LogOf(before + CompletedRun()));
    QCOMPARE(fixture_->boxes().size(), std::size_t{1});
  }

  // Lines appear on the screen as they are appended, not when the run ends.
  void paintsAsTheRunGoes() {
    const TPaintRecorder paints(*fixture_->Memo1());
    Click("RadioButton3");
    Click("Button1");
    QVERIFY(fixture_->Log().endsWith(kFinished + u'\n'));
    const auto midRun =
        std::find_if(paints.shown.begin(), paints.shown.end(), [&](const QString& shown) {
          return shown.contains(kIndexLines[0]) && !shown.contains(kFinished);
        });
    QVERIFY2(midRun != paints.shown.end(), qPrintable(paints.shown.join(u'|')));
  }

  // A close request made during a run takes effect once the run has ended.
  void closeRequestWaitsForTheRun() {
    velmora::TForm1& form = fixture_->form();
    QList<bool> visibleAtEachLine;
    connect(fixture_->Memo1(), &QPlainTextEdit::textChanged, this,
            [&] { visibleAtEachLine << form.isVisible(); });
    Click("RadioButton3");
    QCoreApplication::postEvent(form.windowHandle(), new QCloseEvent);
    Click("Button1");
    QCOMPARE(fixture_->Log(), LogOf(QStringList{kStartLine, "x,y,z TEXT"} + CompletedRun()));
    QCOMPARE(visibleAtEachLine, QList<bool>(5, true));
    QTRY_VERIFY(!form.isVisible());
  }
};

QTEST_MAIN(Form1RunTest)
#include "form1_run_test.moc"
