// The program title rule on program file names.
#include <QTest>

#include "app/program_title.h"

class ProgramTitleTest : public QObject {
  Q_OBJECT

 private slots:
  void title_data() {
    QTest::addColumn<QString>("programFile");
    QTest::addColumn<QString>("title");
    QTest::newRow("all capitals") << "/opt/CONVERT.EXE"
                                  << "Convert";
    QTest::newRow("several dots: cut at the first") << "/home/u/mesh.conv.exe"
                                                    << "mesh";
    QTest::newRow("lower case stays") << "/usr/bin/velmora"
                                      << "velmora";
    QTest::newRow("only the first character kept") << "/usr/bin/vElMoRa"
                                                   << "velmora";
    QTest::newRow("dots in the folders do not count") << "/a.b/c.d/Prog"
                                                      << "Prog";
    QTest::newRow("no folder") << "KEN.50M.BIN"
                               << "Ken";
    QTest::newRow("leading dot") << "/bin/.hidden"
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("non-ASCII lowered") << "/x/ÄÖÜ.exe"
                                       << "Äöü";
    QTest::newRow("full-width letters") << "/x/ＡＢＣ"
                                        << "Ａｂｃ";
    QTest::newRow("first character beyond the BMP") << "/x/\U0001D400AB"
                                                    << "\U0001D400ab";
  }

  void title() {
    QFETCH(QString, programFile);
    QFETCH(QString, title);
    QCOMPARE(velmora::ProgramTitle(programFile), title);
  }
};

QTEST_APPLESS_MAIN(ProgramTitleTest)
#include "program_title_test.moc"
