// glibc's iconv "GBK": the Linux side of the code page.
#include <iconv.h>

#include <bit>
#include <cerrno>

#include "app/fatal_error.h"
#include "encoding/gbk_code_page.h"

namespace encoding::detail {
namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// One converter per direction, opened on first use and kept for the thread's lifetime: opening
// one costs far more than converting a short text.
class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    // Without the converter no text could cross the edge intact; it ships with glibc.
    if (handle_ == reinterpret_cast<iconv_t>(-1)) app::reportFatalError("无法打开 GBK 编码转换", 0);
  }
  ~Converter() { iconv_close(handle_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of `input` into `output`, whose size must be enough for the worst case;
  // returns the bytes written, or -1 when the input holds anything the converter refuses.
  std::ptrdiff_t convert(const char* input, std::size_t inputBytes, char* output,
                         std::size_t outputBytes) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(input);
    char* out = output;
    std::size_t inLeft = inputBytes, outLeft = outputBytes;
    if (iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) return -1;
    // Flushes any pending shift state; both encodings here are stateless.
    if (iconv(handle_, nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1)) return -1;
    return out - output;
  }

 private:
  iconv_t handle_;
};

Converter& gbkToUtf16Converter() {
  thread_local Converter converter(kUtf16, "GBK");
  return converter;
}

Converter& utf16ToGbkConverter() {
  thread_local Converter converter("GBK", kUtf16);
  return converter;
}

}  // namespace

bool decodeGbkRun(std::string_view gbk, std::u16string& out) {
  const std::size_t start = out.size();
  // Each GBK byte gives at most one UTF-16 unit.
  out.resize(start + gbk.size());
  const std::ptrdiff_t written = gbkToUtf16Converter().convert(
      gbk.data(), gbk.size(), reinterpret_cast<char*>(&out[start]), gbk.size() * sizeof(char16_t));
  out.resize(written < 0 ? start : start + static_cast<std::size_t>(written) / sizeof(char16_t));
  return written >= 0;
}

bool encodeGbkRun(std::u16string_view utf16, std::string& out) {
  const std::size_t start = out.size();
  // Each UTF-16 unit gives at most two GBK bytes.
  out.resize(start + utf16.size() * 2);
  const std::ptrdiff_t written =
      utf16ToGbkConverter().convert(reinterpret_cast<const char*>(utf16.data()),
                                    utf16.size() * sizeof(char16_t), &out[start], utf16.size() * 2);
  out.resize(written < 0 ? start : start + static_cast<std::size_t>(written));
  return written >= 0;
}

}  // namespace encoding::detail
