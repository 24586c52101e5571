// Path texts (CP932, backslash-separated, as the run builds them) onto the
// host's file system.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The longest path text that names a file, in bytes.
inline constexpr std::size_t kMaxPathBytes = 259;

// The native path of a path text: decoded from CP932 (so the 0x5C trail byte
// of 表 or ソ is not a separator), every backslash turned into '/', encoded as
// UTF-8. Throws the I/O failure with code 3 ("不正なﾌｧｲﾙ名です") for a text of
// more than kMaxPathBytes bytes, one holding a NUL byte, and one with bytes
// that form no CP932 character.
std::string NativePath(std::string_view pathText);

// The existing file that `nativePath` names when letter case is ignored
// (ASCII letters only), one component at a time; a component that matches
// exactly always wins. Empty when some component has no match.
std::optional<std::string> FindIgnoringCase(const std::string& nativePath);

// Whether the folder that would hold `nativePath` exists, letter case ignored.
bool ParentFolderExists(const std::string& nativePath);

}  // namespace velmora
