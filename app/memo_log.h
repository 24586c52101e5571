// The run log: the lines of Memo1, offered to a run as its TRunLog.
//
// The program only ever appends to the log; it never clears, replaces or
// trims it. The user may edit it too, so an append works from what the log
// holds at that moment (AppendLogLine):
//   1. when its last line is empty (at start, and after an append unless the
//      user has typed after it), the text and a line break go in at the start
//      of that last line;
//   2. otherwise a line break and the text go at the end.
// Either way the text stands on a line of its own at the end, after all that
// was there before. The log then scrolls to show its newest line.
#pragma once

#include <QString>
#include <string_view>

#include "run/run_log.h"

class QPlainTextEdit;

namespace velmora {

void AppendLogLine(QPlainTextEdit& memo, const QString& line);

class TMemoLog final : public TRunLog {
 public:
  explicit TMemoLog(QPlainTextEdit& memo) : memo_(memo) {}

  // Appends `line` (CP932; bytes that form no character show as U+FFFD).
  void Add(std::string_view line) override;

 private:
  QPlainTextEdit& memo_;
};

}  // namespace velmora
