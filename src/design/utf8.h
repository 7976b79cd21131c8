#pragma once

#include <cstddef>
#include <string_view>

namespace design {

// The position of the first byte at which `text` stops being well-formed UTF-8 (overlong
// forms, surrogates and code points above U+10FFFF are not), or text.size() if it is whole.
std::size_t Utf8ValidPrefix(std::string_view text);

}  // namespace design
