#include "model/module1.h"

namespace Module1 {

namespace {

// Little-endian bit field: bit `first` has weight 1, the next weight 2, and so on.
Int32 Field(Int32 first, Int32 width) {
  Int32 value = 0;
  for (Int32 n = 0; n < width; ++n) value += bits(first + n) << n;
  return value;
}

struct FieldSpec {
  Int32 first;
  Int32 width;
  Int32 offset;
};

// setval(k) for k = 1..20, in order of k.
constexpr FieldSpec kFields[20] = {
    {32, 2, 0}, {34, 2, 0}, {36, 2, 0}, {38, 2, 0},  // items 1..4
    {23, 1, 0}, {31, 1, 0},                          // items 5, 6
    {28, 3, 0}, {20, 3, 0}, {24, 3, 0}, {16, 3, 0},  // items 7..10
    {8, 3, 0},  {12, 3, 0},                          // items 11, 12
    {6, 2, 0},                                       // 13: switch-on test
    {0, 3, 0},                                       // 14: hardware minor version - 4
    {4, 2, 2},                                       // 15: hardware major version
    {3, 1, 0},  {27, 1, 0}, {19, 1, 0}, {11, 1, 0}, {15, 1, 0},  // 16..20: flags
};

}  // namespace

void cfgconv() {
  for (Int32 k = 1; k <= 20; ++k) {
    const FieldSpec& f = kFields[k - 1];
    setval(k) = Field(f.first, f.width) + f.offset;
  }
}

}  // namespace Module1
