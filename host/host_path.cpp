#include "host/host_path.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "host/cp932.h"
#include "run/run_failure.h"

namespace velmora {

namespace {

constexpr int kInvalidName = 3;

bool Exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

// The entry of `folder` whose name equals `name` ignoring ASCII case; the
// first in byte order when there are several.
std::optional<std::string> MatchInFolder(const std::string& folder, const std::string& name) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return std::nullopt;
  std::vector<std::string> matches;
  while (const dirent* entry = ::readdir(dir))
    if (::strcasecmp(entry->d_name, name.c_str()) == 0) matches.emplace_back(entry->d_name);
  ::closedir(dir);
  if (matches.empty()) return std::nullopt;
  return *std::min_element(matches.begin(), matches.end());
}

}  // namespace

std::string NativePath(std::string_view pathText) {
  // A NUL cannot stand in a file name; cutting the text there would name
  // another file (a base name "a<NUL>b" would make the .mif and the .mid one).
  if (pathText.size() > kMaxPathBytes || pathText.find('\0') != std::string_view::npos)
    throw IoFailure(kInvalidName);
  std::optional<std::string> decoded = Cp932ToUtf8Strict(pathText);
  if (!decoded) throw IoFailure(kInvalidName);
  std::string native = std::move(*decoded);
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

std::optional<std::string> FindIgnoringCase(const std::string& nativePath) {
  std::string resolved;
  std::size_t pos = 0;
  if (!nativePath.empty() && nativePath[0] == '/') {
    resolved = "/";
    pos = 1;
  }
  while (pos <= nativePath.size()) {
    const std::size_t slash = std::min(nativePath.find('/', pos), nativePath.size());
    const std::string name = nativePath.substr(pos, slash - pos);
    pos = slash + 1;
    if (name.empty() || name == "." || name == "..") {
      resolved += name;
    } else if (std::string exact = resolved + name; Exists(exact)) {
      resolved = std::move(exact);
    } else if (auto match = MatchInFolder(resolved, name)) {
      resolved += *match;
    } else {
      return std::nullopt;
    }
    if (slash < nativePath.size()) resolved += '/';
  }
  return resolved;
}

bool ParentFolderExists(const std::string& nativePath) {
  const std::size_t slash = nativePath.rfind('/');
  if (slash == std::string::npos) return true;  // the current folder
  const auto folder = FindIgnoringCase(slash == 0 ? "/" : nativePath.substr(0, slash));
  struct stat st {};
  return folder && ::stat(folder->c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace velmora
