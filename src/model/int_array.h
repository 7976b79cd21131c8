#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace model {

using Int32 = std::int32_t;

// A zero-based array of Int32 whose bound is its highest valid index (inclusive):
// bound 64 holds 65 elements. Every element starts at 0; the size never changes.
// Every access is checked: an index outside 0..bound throws instead of touching memory.
class Int32Array {
 public:
  explicit Int32Array(Int32 bound) : values_(static_cast<std::size_t>(bound) + 1, 0) {}

  Int32 Bound() const { return static_cast<Int32>(values_.size()) - 1; }

  Int32& operator()(Int32 index) { return values_[Checked(index)]; }
  Int32 operator()(Int32 index) const { return values_[Checked(index)]; }

 private:
  std::size_t Checked(Int32 index) const {
    if (index < 0 || index > Bound()) {
      throw std::out_of_range("array index " + std::to_string(index) + " outside 0.." +
                              std::to_string(Bound()));
    }
    return static_cast<std::size_t>(index);
  }

  std::vector<Int32> values_;
};

}  // namespace model
