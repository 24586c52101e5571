#include "app/program_title.h"

namespace velmora {

QString ProgramTitle(const QString& programFilePath) {
  const QString fileName = programFilePath.mid(programFilePath.lastIndexOf(u'/') + 1);
  const QString stem = fileName.left(fileName.indexOf(u'.'));
  // The first character may be a surrogate pair: keep both of its halves.
  const qsizetype first = !stem.isEmpty() && stem.front().isHighSurrogate() ? 2 : 1;
  return stem.left(first) + stem.mid(first).toLower();
}

}  // namespace velmora
