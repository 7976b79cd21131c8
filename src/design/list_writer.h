#pragma once

#include <string_view>

#include "design/property_list.h"

namespace design {

// Writes the entries of one design property list, in the order they are added: the name as
// given, a space, then the value in its type's encoding.
class ListWriter {
 public:
  ListWriter& Int32(std::string_view name, fw::Int32 value);
  ListWriter& Boolean(std::string_view name, bool value);
  // Red, green, blue, one byte each.
  ListWriter& Color(std::string_view name, fw::Color value);
  // A 4-byte count of the UTF-8 bytes, then the bytes; the count is the text's own length.
  ListWriter& String(std::string_view name, std::string_view text);

  const Bytes& Get() const { return bytes_; }
  Bytes Take() { return std::move(bytes_); }

 private:
  void Name(std::string_view name);
  void Uint32(std::uint32_t value);

  Bytes bytes_;
};

}  // namespace design
