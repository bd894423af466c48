// The platform's own GBK code page, one well-formed run at a time. The portable conversions
// split texts into runs and handle whatever a run cannot carry.
#pragma once

#include <string>
#include <string_view>

namespace encoding::detail {

// Appends the UTF-16 form of `gbk` to `out` and returns true, or leaves `out` as it was and
// returns false when any byte sequence of the run has no character in the code page.
bool decodeGbkRun(std::string_view gbk, std::u16string& out);
// Appends the GBK form of `utf16` to `out` and returns true, or leaves `out` as it was and
// returns false when any character of the run has no GBK form (an unpaired surrogate included).
bool encodeGbkRun(std::u16string_view utf16, std::string& out);

}  // namespace encoding::detail
