#include "design/utf8.h"

#include <cstdint>

namespace design {

std::size_t Utf8ValidPrefix(std::string_view text) {
  std::size_t k = 0;
  while (k < text.size()) {
    const auto lead = static_cast<std::uint8_t>(text[k]);
    std::size_t length = 0;
    std::uint8_t low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead < 0x80) {
      length = 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;   // no overlong forms
      if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
      return k;
    }
    if (length > text.size() - k) return k;
    for (std::size_t n = 1; n < length; ++n) {
      const auto next = static_cast<std::uint8_t>(text[k + n]);
      const std::uint8_t min = n == 1 ? low : 0x80;
      const std::uint8_t max = n == 1 ? high : 0xBF;
      if (next < min || next > max) return k;
    }
    k += length;
  }
  return k;
}

}  // namespace design
