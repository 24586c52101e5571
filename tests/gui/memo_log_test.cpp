// The run log's lines as the window shows them: CP932 decoded for display,
// bytes that form no character kept as U+FFFD, the newest line in view.
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include "app/memo_log.h"

class MemoLogTest : public QObject {
  Q_OBJECT

 private slots:
  void decodesCp932_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ASCII path") << QByteArray("D:\\zumei.csv") << "D:\\zumei.csv";
    QTest::newRow("double-byte") << QByteArray("392754,\x8e\xf1\x97\xa2") << "392754,首里";
    QTest::newRow("half-width katakana") << QByteArray("\xcc\xa7\xb2\xd9") << "ﾌｧｲﾙ";
    QTest::newRow("0x5C trail byte") << QByteArray("\x95\x5c") << "表";
    QTest::newRow("lone lead byte at the end") << QByteArray("ab\x82") << "ab\uFFFD";
    QTest::newRow("undefined single byte") << QByteArray("a\xa0z") << "a\uFFFDz";
    QTest::newRow("lead byte with a bad trail") << QByteArray("\x82\x20x") << "\uFFFD x";
    QTest::newRow("empty line") << QByteArray() << "";
  }

  void decodesCp932() {
    QFETCH(QByteArray, line);
    QFETCH(QString, shown);
    QPlainTextEdit memo;
    memo.setPlainText(QStringLiteral("start\n"));
    velmora::TMemoLog log(memo);
    log.Add(std::string_view(line.constData(), static_cast<std::size_t>(line.size())));
    QCOMPARE(memo.toPlainText(), QStringLiteral("start\n") + shown + u'\n');
  }

  void newestLineInView() {
    QPlainTextEdit memo;
    memo.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo.resize(200, 100);
    memo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&memo));
    velmora::TMemoLog log(memo);
    for (int i = 0; i < 200; ++i) log.Add("line " + std::to_string(i));
    const QTextBlock newest = memo.document()->findBlockByNumber(199);
    QCOMPARE(newest.text(), QStringLiteral("line 199"));
    // The line at the bottom of the view is the newest one, or the empty
    // line after it.
    const QPoint bottom(5, memo.viewport()->height() - 3);
    QVERIFY2(memo.cursorForPosition(bottom).blockNumber() >= 199,
             qPrintable(memo.cursorForPosition(bottom).block().text()));
  }
};

QTEST_MAIN(MemoLogTest)
#include "memo_log_test.moc"
