#include <cstdio>

#include "design/property_list.h"

namespace design {

namespace {
// The entry as it can be printed: a cut or garbled name may hold any byte.
std::string Printable(const std::string& bytes) {
  std::string text;
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
      text += c;
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      text += escaped;
    }
  }
  return text;
}
}  // namespace

ListError::ListError(std::string object, std::string entry, std::size_t offset,
                     const std::string& problem)
    : fw::RuntimeException(object + ": entry \"" + Printable(entry) + "\" at byte " +
                           std::to_string(offset) + ": " + problem),
      object_(std::move(object)),
      entry_(std::move(entry)),
      offset_(offset),
      problem_(problem) {}

}  // namespace design
