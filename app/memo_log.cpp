#include "app/memo_log.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "app/qt_cp932.h"

namespace velmora {

void AppendLogLine(QPlainTextEdit& memo, const QString& line) {
  QTextDocument& document = *memo.document();
  const QTextBlock last = document.lastBlock();
  QTextCursor cursor(&document);
  cursor.beginEditBlock();
  if (last.length() == 1) {  // only the block end: the last line is empty
    cursor.setPosition(last.position());
    cursor.insertText(line);
    cursor.insertBlock();
  } else {
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertText(line);
  }
  cursor.endEditBlock();
  QScrollBar& scroll = *memo.verticalScrollBar();
  scroll.setValue(scroll.maximum());
}

void TMemoLog::Add(std::string_view line) { AppendLogLine(memo_, FromCp932(line)); }

}  // namespace velmora
