// The program title, the title of the failure message box, worked out from
// the full file name of the running program:
//   1. drop the folder part, everything up to and including the last "/";
//   2. cut the rest before its first "." (the first dot, not the last);
//   3. keep the first character as it is and turn every later one into
//      lower case.
// So "/opt/CONVERT.EXE" gives "Convert" and "mesh.conv.exe" gives "mesh".
#pragma once

#include <QString>

namespace velmora {

QString ProgramTitle(const QString& programFilePath);

}  // namespace velmora
