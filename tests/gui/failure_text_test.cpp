// The failure display's "." rule, on messages as the run gives them (CP932).
#include <QTest>

#include "app/failure_display.h"
#include "host/cp932.h"
#include "run/messages.h"

class FailureTextTest : public QObject {
  Q_OBJECT

 private slots:
  void text_data() {
    QTest::addColumn<QByteArray>("cp932");
    QTest::addColumn<QString>("shown");
    const auto bytes = [](std::string_view cp932) {
      return QByteArray(cp932.data(), static_cast<qsizetype>(cp932.size()));
    };
    // Japanese endings, half-width katakana included, get a ".".
    QTest::newRow("file not found")
        << bytes(velmora::messages::kFileNotFound) << "ﾌｧｲﾙが見つかりません.";
    QTest::newRow("overflow") << bytes(velmora::messages::kFloatOverflow)
                              << "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ.";
    QTest::newRow("Japanese full stop")
        << bytes(velmora::messages::kRunFinished) << "処理終了しました。.";
    // ")" and "." lie at or below U+002E: no ".".
    QTest::newRow("I/O error") << QByteArray("I/O \xb4\xd7\xb0 (21)") << "I/O ｴﾗｰ (21)";
    QTest::newRow("ends in a dot") << QByteArray("done.") << "done.";
    QTest::newRow("blank") << QByteArray("a ") << "a ";
    QTest::newRow("exclamation mark") << QByteArray("a!") << "a!";
    QTest::newRow("control character") << QByteArray("a\t") << "a\t";
    // Just above U+002E.
    QTest::newRow("slash") << QByteArray("a/") << "a/.";
    QTest::newRow("digit") << QByteArray("I/O 5") << "I/O 5.";
    QTest::newRow("letter") << QByteArray("boom") << "boom.";
    QTest::newRow("empty") << QByteArray() << "";
    // A byte that forms no character shows as U+FFFD, which gets a ".".
    QTest::newRow("broken last byte") << QByteArray("a\x82") << "a\uFFFD.";
  }

  void text() {
    QFETCH(QByteArray, cp932);
    QFETCH(QString, shown);
    QCOMPARE(velmora::FailureText(
                 std::string_view(cp932.constData(), static_cast<std::size_t>(cp932.size()))),
             shown);
  }
};

QTEST_APPLESS_MAIN(FailureTextTest)
#include "failure_text_test.moc"
