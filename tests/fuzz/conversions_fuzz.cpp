// libFuzzer target over the conversions: folding never grows the text and is idempotent,
// textToInteger agrees with a plain reading of the folded text, and integerToText round-trips.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/conversions.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

// The folded text read one byte at a time with 64-bit arithmetic.
std::int32_t plainReading(const std::string& folded) {
  std::size_t i = 0;
  while (i < folded.size() && (folded[i] == ' ' || (folded[i] >= '\t' && folded[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
  std::uint64_t value = 0;
  for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i)
    value = (value * 10 + static_cast<std::uint64_t>(folded[i] - '0')) & 0xFFFFFFFFu;
  if (negative) value = (0 - value) & 0xFFFFFFFFu;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);

  std::string folded = calc::foldFullWidth(text);
  check(folded.size() <= text.substr(0, text.find('\0')).size());
  check(folded.find('\0') == std::string::npos);
  check(calc::foldFullWidth(folded) == folded);

  std::int32_t value = calc::textToInteger(text);
  check(value == plainReading(folded));
  check(value == calc::textToInteger(folded));

  std::string written = calc::integerToText(value);
  check(!written.empty() && written.size() <= 11);
  check(calc::textToInteger(written) == value);

  // Any 32-bit value, not only those that a text reads as.
  if (size >= 4) {
    std::int32_t raw;
    std::memcpy(&raw, data, sizeof raw);
    check(calc::textToInteger(calc::integerToText(raw)) == raw);
  }
  return 0;
}
