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

// A list that cannot be read whole. Nothing of it has been applied. The message reads
// `<object>: entry "<entry>" at byte <offset>: <problem>`.
class ListError : public fw::RuntimeException {
 public:
  ListError(std::string object, std::string entry, std::size_t offset, const std::string& problem);
  // The control's registered name, or the window's class full name.
  const std::string& Object() const { return object_; }
  // The entry's name as stored, or as much of it as the list holds.
  const std::string& Entry() const { return entry_; }
  // The byte of the list where the problem lies: the start of the name, of the value, of a
  // text's count or of its bytes.
  std::size_t Offset() const { return offset_; }
  const std::string& Problem() const { return problem_; }

 private:
  std::string object_;
  std::string entry_;
  std::size_t offset_;
  std::string problem_;
};

// Applies a window's or a control's list: reads it whole first, then sets every entry in
// list order, with the same effect as setting it at run time. Names are matched without
// regard to case against the properties of the object's class and its bases. Raises
// ListError for an unknown name, a value running past the end, a Boolean other than 00 or
// 01, a text that is not UTF-8, or an InitialParent that names no control registered
// before this one in its window.
void SetProperties(fw::Object& object, const Bytes& list);

}  // namespace design
