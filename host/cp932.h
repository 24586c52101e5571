// Conversion between CP932 (Japanese Windows, Shift-JIS) bytes and UTF-8.
// Used only at the edges: path texts onto the file system, and the front
// ends' input and display. The core itself never converts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// CP932 bytes to UTF-8. A byte or byte pair that forms no CP932 character
// becomes U+FFFD; nothing is dropped.
std::string Cp932ToUtf8(std::string_view cp932);

// CP932 bytes to UTF-8; empty when some bytes form no CP932 character.
std::optional<std::string> Cp932ToUtf8Strict(std::string_view cp932);

// UTF-8 to CP932. Empty when the input is not valid UTF-8 or holds a
// character that has no CP932 form.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// UTF-8 to CP932, as the desktop's own conversion does it: a character
// without a CP932 form, and each byte of invalid UTF-8, becomes "?".
std::string Utf8ToCp932Lossy(std::string_view utf8);

}  // namespace velmora
