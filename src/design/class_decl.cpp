#include "design/class_decl.h"

namespace design {

fw::ClassInfo DeclareClass(std::string fullName, const fw::ClassInfo& base,
                           std::vector<fw::MemberRecord> own) {
  fw::ClassInfo info = fw::DeriveClass(std::move(fullName), base);
  for (const fw::MemberRecord& member : own) info.operations.push_back(member.name);
  info.members = std::move(own);
  info.isPublic = true;
  return info;
}

}  // namespace design
