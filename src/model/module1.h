#pragma once

#include <optional>

#include "model/int_array.h"

// The settings model shared by both windows: one instance of every variable for the whole run.
namespace Module1 {

using model::Int32;

// A module-level array reference: created by initialize(), released by finalize().
// Using it while released throws, like a nil reference would.
class ArrayRef {
 public:
  void Create(Int32 bound) { array_.emplace(bound); }
  void Release() { array_.reset(); }
  bool IsNil() const { return !array_.has_value(); }

  Int32& operator()(Int32 index) { return Get()(index); }
  model::Int32Array& Get();

 private:
  std::optional<model::Int32Array> array_;
};

extern Int32 i;          // read-out bit index (-2 idle, -1 armed, else bits received); loop counter
extern Int32 phase;      // read-out decoder state: 0, 1, 2, 3, 5, 6
extern Int32 tm;         // timer ticks since the last reset of the time-out
extern Int32 mousX;      // previous accepted pointer position
extern Int32 mousY;
extern Int32 btnindex;   // current setting item 1..13
extern Int32 btn13;      // value editing flag at items 1..12, finish choice at item 13
extern Int32 sphase;     // switch-signal decoder state: -1 unarmed, 0 idle, 1 left seen, 2 up seen

extern ArrayRef bits;    // 0..64: received bits
extern ArrayRef setval;  // 0..32: received setting values
extern ArrayRef tempval; // 0..16: working values
extern ArrayRef maxval;  // 0..16: largest values

// Module initialisation: the initial values, in declaration order of the module.
void initialize();
// Module finalisation: releases the four arrays.
void finalize();

// Converts bits 0..39 into setval(1..20).
void cfgconv();

}  // namespace Module1
