#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/framework.h"

namespace design {

// A design property list: entries of an ASCII name, one space and a value encoded by the
// property's declared type (Int32 4 bytes big-endian two's complement, Boolean 1 byte,
// Color 3 bytes red, green, blue, String a 4-byte big-endian count and UTF-8 bytes), with
// no header, count, tag or terminator.
using Bytes = std::vector<std::uint8_t>;

// A list that cannot be read whole. Nothing of it has been applied.
class ListError : public fw::RuntimeException {
 public:
  ListError(std::string object, std::string entry, std::size_t offset, const std::string& problem);
  const std::string& Object() const { return object_; }
  const std::string& Entry() const { return entry_; }
  std::size_t Offset() const { return offset_; }

 private:
  std::string object_;
  std::string entry_;
  std::size_t offset_;
};

// Applies a window's or a control's list: reads it whole first, then sets every entry in
// list order, with the same effect as setting it at run time. Names are matched without
// regard to case against the properties of the object's class and its bases. Raises
// ListError for an unknown name, a value running past the end or an unknown container.
void SetProperties(fw::Object& object, const Bytes& list);

}  // namespace design
