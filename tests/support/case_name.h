#pragma once

#include <concepts>
#include <ostream>
#include <string_view>

// A row of a case table shows as its name in GoogleTest's messages, not as raw bytes. A test
// file brings this in beside its case structs with `using testsupport::PrintTo;`.
namespace testsupport {

template <class Case>
concept NamedCase = requires(const Case& c) {
  { c.name } -> std::convertible_to<std::string_view>;
};

template <NamedCase Case>
void PrintTo(const Case& c, std::ostream* out) {
  *out << c.name;
}

}  // namespace testsupport
