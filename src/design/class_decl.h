#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/framework.h"

namespace design {

// A class declaration derived from `base` under its full name: the base's virtual operations
// unchanged, then the class's own in the given order, a member record for each own
// operation, the base's event table; marked public.
fw::ClassInfo DeclareClass(std::string fullName, const fw::ClassInfo& base,
                           std::vector<fw::MemberRecord> own);

// Where a class keeps its declaration: built once, by the first Build, and made known to the
// framework; a later Build builds nothing.
class DeclarationSlot {
 public:
  template <class Make>
  void Build(Make make) {
    if (info_) return;
    info_ = std::make_unique<fw::ClassInfo>(make());
    fw::MakeClassKnown(*info_);
  }
  bool Built() const { return info_ != nullptr; }
  // Raises NilObjectException before the first Build.
  const fw::ClassInfo& Get() const { return fw::Nil(info_.get()); }

 private:
  std::unique_ptr<fw::ClassInfo> info_;
};

}  // namespace design
