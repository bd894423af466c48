#include "encoding/gbk_conversion.h"

#include <algorithm>
#include <type_traits>

#include "encoding/gbk_code_page.h"
#include "encoding/unicode_forms.h"

namespace encoding {
namespace {

using detail::decodeGbkRun;
using detail::encodeGbkRun;

// Runs of this many code units go to the code page in one call: long enough that the call's
// cost vanishes, short enough that a run with a bad character is cheap to redo one by one.
constexpr std::size_t kRunLength = 4096;

// ASCII is the same in GBK, UTF-8 and UTF-16, so such runs are copied without a conversion.
template <class Unit>
bool isAscii(Unit unit) {
  return static_cast<std::make_unsigned_t<Unit>>(unit) < 0x80;
}

// A GBK character: a lead byte 81-FE with a trail byte 40-7E or 80-FE, or else one byte.
std::size_t gbkCharacterLength(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x81 || lead > 0xFE || pos + 1 >= text.size()) return 1;
  const auto trail = static_cast<unsigned char>(text[pos + 1]);
  return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE) ? 2 : 1;
}

template <class Out, class Unit>
void appendAscii(std::basic_string_view<Unit> run, Out& out) {
  const std::size_t start = out.size();
  out.resize(start + run.size());
  auto* to = out.data() + start;
  for (const Unit* from = run.data(); from != run.data() + run.size(); ++from, ++to)
    *to = static_cast<typename Out::value_type>(*from);
}

// Converts `text` run by run, each run ending on a character boundary. A run that the code
// page refuses is redone one character at a time, and each refused character becomes "?".
template <class Unit, class Out, class CharacterLength, class ConvertRun>
void convertInRuns(std::basic_string_view<Unit> text, Out& out, CharacterLength characterLength,
                   ConvertRun convertRun) {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t limit = std::min(text.size(), pos + kRunLength);
    std::size_t end = pos;
    bool allAscii = true;
    while (end < limit) {
      if (isAscii(text[end])) {
        ++end;
      } else {
        allAscii = false;
        end += characterLength(text, end);
      }
    }
    const auto run = text.substr(pos, end - pos);
    if (allAscii) {
      appendAscii(run, out);
    } else if (!convertRun(run, out)) {
      for (std::size_t at = 0; at < run.size();) {
        const std::size_t length = characterLength(run, at);
        if (isAscii(run[at])) {
          out.push_back(static_cast<typename Out::value_type>(run[at]));
        } else if (!convertRun(run.substr(at, length), out)) {
          out.push_back('?');
        }
        at += length;
      }
    }
    pos = end;
  }
}

void appendUtf16FromGbk(std::string_view gbk, std::u16string& out) {
  convertInRuns(gbk, out, gbkCharacterLength, decodeGbkRun);
}

void appendGbkFromUtf16(std::u16string_view utf16, std::string& out) {
  convertInRuns(
      utf16, out, detail::utf16CharacterLength, [](std::u16string_view run, std::string& runOut) {
        // A lone surrogate is no character at all; no code page is asked about it.
        if (run.size() == 1 && (detail::isHighSurrogate(run[0]) || detail::isLowSurrogate(run[0])))
          return false;
        return encodeGbkRun(run, runOut);
      });
}

// Where the run of ASCII bytes that starts at `pos` ends.
std::size_t asciiRunEnd(std::string_view text, std::size_t pos) {
  while (pos < text.size() && isAscii(text[pos])) ++pos;
  return pos;
}

}  // namespace

std::string utf8ToGbk(std::string_view utf8) {
  std::size_t pos = asciiRunEnd(utf8, 0);
  if (pos == utf8.size()) return std::string(utf8);
  std::string out;
  out.reserve(utf8.size());
  out.append(utf8.substr(0, pos));
  // Decoded a piece at a time, so that a long text needs no UTF-16 copy of its whole length;
  // long ASCII stretches skip the detour through UTF-16 altogether.
  std::u16string piece;
  while (pos < utf8.size()) {
    const std::size_t asciiEnd = asciiRunEnd(utf8, pos);
    if (asciiEnd - pos >= kRunLength) {
      appendGbkFromUtf16(piece, out);
      piece.clear();
      out.append(utf8.substr(pos, asciiEnd - pos));
      pos = asciiEnd;
    } else if (asciiEnd > pos) {
      appendAscii(utf8.substr(pos, asciiEnd - pos), piece);
      pos = asciiEnd;
    } else {
      char32_t codePoint;
      const std::size_t length = detail::decodeUtf8(utf8, pos, codePoint);
      if (length == 0) {
        piece.push_back(u'?');
        pos += 1;
      } else {
        detail::appendUtf16(codePoint, piece);
        pos += length;
      }
    }
    if (piece.size() >= kRunLength) {
      appendGbkFromUtf16(piece, out);
      piece.clear();
    }
  }
  appendGbkFromUtf16(piece, out);
  return out;
}

std::string gbkToUtf8(std::string_view gbk) {
  if (asciiRunEnd(gbk, 0) == gbk.size()) return std::string(gbk);
  std::string out;
  out.reserve(gbk.size() + gbk.size() / 2);
  std::u16string piece;
  for (std::size_t pos = 0; pos < gbk.size();) {
    std::size_t end = pos;
    while (end < gbk.size() && end - pos < kRunLength) end += gbkCharacterLength(gbk, end);
    piece.clear();
    appendUtf16FromGbk(gbk.substr(pos, end - pos), piece);
    detail::appendUtf8FromUtf16(piece, out);
    pos = end;
  }
  return out;
}

std::u16string gbkToUtf16(std::string_view gbk) {
  std::u16string out;
  out.reserve(gbk.size());
  appendUtf16FromGbk(gbk, out);
  return out;
}

std::string utf16ToGbk(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  appendGbkFromUtf16(utf16, out);
  return out;
}

}  // namespace encoding
