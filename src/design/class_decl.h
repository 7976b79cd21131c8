#pragma once

#include <string>
#include <vector>

#include "framework/framework.h"

namespace design {

// A class declaration derived from `base` under its full name: the base's virtual operations
// unchanged, then the class's own in the given order, a member record for each own
// operation, the base's event table; marked public.
fw::ClassInfo DeclareClass(std::string fullName, const fw::ClassInfo& base,
                           std::vector<fw::MemberRecord> own);

}  // namespace design
