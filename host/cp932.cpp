#include "host/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace velmora {

namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD

// One iconv conversion. On a sequence that cannot be converted, `onBad`
// decides: it appends what stands for the bad input to `out`, and returns
// how many input bytes to skip, or 0 to give up.
template <typename OnBad>
bool Convert(const char* to, const char* from, std::string_view in, std::string& out,
             OnBad onBad) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert");
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  char buffer[4096];
  bool ok = true;
  while (srcLeft > 0) {
    char* dst = buffer;
    std::size_t dstLeft = sizeof buffer;
    const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    const std::size_t skip = onBad(out, std::string_view(src, srcLeft));
    if (skip == 0) {
      ok = false;
      break;
    }
    src += skip;
    srcLeft -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return ok;
}

// The length of the UTF-8 sequence that starts `rest`, at least 1.
std::size_t Utf8SequenceLength(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest[0]);
  std::size_t n = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  std::size_t valid = 1;
  while (valid < n && valid < rest.size() &&
         (static_cast<unsigned char>(rest[valid]) & 0xC0) == 0x80)
    ++valid;
  return valid;
}

std::optional<std::string> ConvertStrict(const char* to, const char* from, std::string_view in) {
  std::string out;
  if (!Convert(to, from, in, out, [](std::string&, std::string_view) { return std::size_t{0}; }))
    return std::nullopt;
  return out;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
  std::string out;
  Convert("UTF-8", "CP932", cp932, out, [](std::string& o, std::string_view) {
    o += kReplacementUtf8;
    return std::size_t{1};
  });
  return out;
}

std::optional<std::string> Cp932ToUtf8Strict(std::string_view cp932) {
  return ConvertStrict("UTF-8", "CP932", cp932);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  return ConvertStrict("CP932", "UTF-8", utf8);
}

std::string Utf8ToCp932Lossy(std::string_view utf8) {
  std::string out;
  Convert("CP932", "UTF-8", utf8, out, [](std::string& o, std::string_view rest) {
    o += '?';
    return Utf8SequenceLength(rest);
  });
  return out;
}

}  // namespace velmora
