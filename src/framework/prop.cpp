#include "framework/prop.h"

#include <cstdio>

#include "framework/files.h"

namespace fw {

namespace {
WriteTrace* g_trace = nullptr;

constexpr std::string_view kNames[] = {
#define FW_PROP_NAME(name) #name,
    FW_PROPS(FW_PROP_NAME)
#undef FW_PROP_NAME
        "Binding",
};
}  // namespace

std::string_view PropName(Prop prop) { return kNames[static_cast<int>(prop)]; }

std::string PropValueText(const PropValue& value) {
  struct Visitor {
    std::string operator()(Int32 v) const { return Str(v); }
    std::string operator()(bool v) const { return v ? "True" : "False"; }
    std::string operator()(const Color& c) const {
      char text[8];
      std::snprintf(text, sizeof text, "#%02X%02X%02X", c.red, c.green, c.blue);
      return text;
    }
    std::string operator()(const std::string& s) const { return "\"" + s + "\""; }
    std::string operator()(const std::shared_ptr<Picture>& p) const {
      return p ? "picture " + Str(p->Width()) + "x" + Str(p->Height()) : "nil";
    }
  };
  return std::visit(Visitor{}, value);
}

void SetWriteTrace(WriteTrace* trace) { g_trace = trace; }
WriteTrace* ActiveWriteTrace() { return g_trace; }

}  // namespace fw
