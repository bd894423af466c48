// Conversions between the texts that the boxes hold (GBK bytes) and 32-bit integers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

// Folds GBK's full-width forms (digits, signs, letters, the ideographic space and a few
// look-alikes) to their one-byte ASCII equivalents. Pairs are formed strictly from the left;
// a lead byte with nothing after it is dropped. The text ends at its first NUL byte.
std::string foldFullWidth(std::string_view text);

// Reads an optionally signed decimal number from the start of the folded text after
// whitespace; whatever follows is ignored, no number gives 0, and the value wraps modulo 2^32.
// The text ends at its first NUL byte.
std::int32_t textToInteger(std::string_view text);

// Plain signed decimal ("%d"): 1 to 11 ASCII bytes.
std::string integerToText(std::int32_t value);

}  // namespace calc
