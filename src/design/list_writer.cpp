#include "design/list_writer.h"

#include <limits>

namespace design {

namespace {
bool IsNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}
}  // namespace

void ListWriter::Name(std::string_view name) {
  // A name that is empty or holds a space could not be read back.
  if (name.empty()) throw fw::RuntimeException("design list entry without a name");
  for (char c : name) {
    if (!IsNameCharacter(c)) {
      throw fw::RuntimeException("design list entry name " + std::string(name) +
                                 " is not ASCII letters and digits");
    }
  }
  bytes_.insert(bytes_.end(), name.begin(), name.end());
  bytes_.push_back(' ');
}

void ListWriter::Uint32(std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    bytes_.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

ListWriter& ListWriter::Int32(std::string_view name, fw::Int32 value) {
  Name(name);
  Uint32(static_cast<std::uint32_t>(value));
  return *this;
}

ListWriter& ListWriter::Boolean(std::string_view name, bool value) {
  Name(name);
  bytes_.push_back(value ? 1 : 0);
  return *this;
}

ListWriter& ListWriter::Color(std::string_view name, fw::Color value) {
  Name(name);
  bytes_.push_back(value.red);
  bytes_.push_back(value.green);
  bytes_.push_back(value.blue);
  return *this;
}

ListWriter& ListWriter::String(std::string_view name, std::string_view text) {
  if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw fw::RuntimeException("design text of " + std::string(name) + " is too long");
  }
  Name(name);
  Uint32(static_cast<std::uint32_t>(text.size()));
  bytes_.insert(bytes_.end(), text.begin(), text.end());
  return *this;
}

}  // namespace design
