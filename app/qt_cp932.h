// The bridge between the run's CP932 bytes and Qt's Unicode texts.
//   FromCp932: bytes that form no CP932 character become U+FFFD; nothing is
//              dropped.
//   ToCp932:   a character without a CP932 form becomes "?", as the desktop's
//              own conversion does it.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace velmora {

QString FromCp932(std::string_view cp932);
std::string ToCp932(const QString& text);

}  // namespace velmora
