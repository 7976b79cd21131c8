#include "model/module1.h"

namespace Module1 {

Int32 i = -2;
Int32 phase = 0;
Int32 tm = 0;
Int32 mousX = 0;
Int32 mousY = 0;
Int32 btnindex = 1;
Int32 btn13 = 0;
Int32 sphase = 0;

ArrayRef bits;
ArrayRef setval;
ArrayRef tempval;
ArrayRef maxval;

model::Int32Array& ArrayRef::Get() {
  if (!array_) throw std::logic_error("use of a released settings array");
  return *array_;
}

void initialize() {
  i = -2;
  phase = 0;
  bits.Create(64);
  mousX = 0;
  mousY = 0;
  setval.Create(32);
  btnindex = 1;
  sphase = 0;
  tempval.Create(16);
  maxval.Create(16);
  btn13 = 0;
  tm = 0;  // no initialiser of its own; restated so that a second run in one process starts clean
}

void finalize() {
  bits.Release();
  setval.Release();
  tempval.Release();
  maxval.Release();
}

}  // namespace Module1
