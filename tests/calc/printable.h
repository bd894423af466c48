// Shows a GBK byte string in a failure message: ASCII as it is, every other byte as \xHH.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

inline std::string printable(std::string_view bytes) {
  std::string shown;
  for (char byte : bytes) {
    auto value = static_cast<unsigned char>(byte);
    if (value >= 0x20 && value < 0x7F && value != '\\') {
      shown += byte;
    } else {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", value);
      shown += escape;
    }
  }
  return shown;
}
