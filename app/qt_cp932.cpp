#include "app/qt_cp932.h"

#include "host/cp932.h"

namespace velmora {

QString FromCp932(std::string_view cp932) { return QString::fromStdString(Cp932ToUtf8(cp932)); }

std::string ToCp932(const QString& text) { return Utf8ToCp932Lossy(text.toStdString()); }

}  // namespace velmora
