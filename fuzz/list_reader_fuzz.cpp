// The design-list reader on arbitrary bytes, for every class that takes a list. The first
// byte picks the class, the rest is the list. The reader must either apply the whole list
// or raise ListError with nothing applied; an expected outcome worked out here, apart from
// the reader, tells which of the two it must be and what every property holds after it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "design/class_properties.h"
#include "design/property_list.h"
#include "framework/framework.h"

namespace {

using design::PropertyInfo;
using design::PropertyValue;
using design::ValueType;

[[noreturn]] void Finding(const std::string& what) {
  std::fprintf(stderr, "FINDING: %s\n", what.c_str());
  std::abort();
}

enum class Kind {
  Window,
  PushButton,
  Label,
  ImageWell,
  Separator,
  Rectangle,
  ProgressBar,
  GroupBox,
  CheckBox,
  Slider,
  PopupMenu,
  Timer,
};
constexpr int kKinds = 12;

// The names a list's InitialParent may give: three containers registered before the
// object, a timer (no container) and a control registered after it.
constexpr const char* kTarget = "Target";
bool IsContainerBefore(const std::string& name) {
  return name.empty() || name == "Rectangle1" || name == "GroupBox1" || name == "StaticText9";
}

const fw::ClassInfo& WindowClassInfo() {
  static const fw::ClassInfo info = [] {
    fw::ClassInfo i = fw::DeriveClass("Fuzz.Window", fw::WindowClass());
    i.newWindow = [] { return fw::CreateWindowObject<fw::Window>(info); };
    return i;
  }();
  return info;
}

std::unique_ptr<fw::Control> NewControl(Kind kind) {
  switch (kind) {
    case Kind::PushButton:
      return std::make_unique<fw::PushButton>();
    case Kind::Label:
      return std::make_unique<fw::Label>();
    case Kind::ImageWell:
      return std::make_unique<fw::ImageWell>();
    case Kind::Separator:
      return std::make_unique<fw::Separator>();
    case Kind::Rectangle:
      return std::make_unique<fw::Rectangle>();
    case Kind::ProgressBar:
      return std::make_unique<fw::ProgressBar>();
    case Kind::GroupBox:
      return std::make_unique<fw::GroupBox>();
    case Kind::CheckBox:
      return std::make_unique<fw::CheckBox>();
    case Kind::Slider:
      return std::make_unique<fw::Slider>();
    case Kind::PopupMenu:
      return std::make_unique<fw::PopupMenu>();
    case Kind::Timer:
      return std::make_unique<fw::Timer>();
    case Kind::Window:
      break;
  }
  return nullptr;
}

// Every property of the object, read through its table, and the container it lies in.
struct Snapshot {
  std::vector<PropertyValue> values;
  const fw::RectControl* parent = nullptr;
  std::vector<std::string> rows;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const fw::Object& object, const std::vector<const PropertyInfo*>& properties) {
  Snapshot s;
  for (const PropertyInfo* p : properties)
    s.values.push_back(p->get(object));
  if (const auto* rect = dynamic_cast<const fw::RectControl*>(&object)) s.parent = rect->Parent();
  if (const auto* popup = dynamic_cast<const fw::PopupMenu*>(&object)) s.rows = popup->Rows();
  return s;
}

// Well-formed UTF-8 (RFC 3629): no overlong form, no surrogate, nothing above U+10FFFF.
bool IsUtf8(const std::uint8_t* p, std::size_t n) {
  std::size_t k = 0;
  while (k < n) {
    const std::uint8_t b = p[k];
    std::size_t len = 0;
    std::uint32_t cp = 0;
    if (b < 0x80) {
      ++k;
      continue;
    } else if (b >= 0xC2 && b <= 0xDF) {
      len = 2, cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      len = 3, cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      len = 4, cp = b & 0x07;
    } else {
      return false;
    }
    if (n - k < len) return false;
    for (std::size_t j = 1; j < len; ++j) {
      if ((p[k + j] & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (p[k + j] & 0x3F);
    }
    if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF))) return false;
    if (cp >= 0xD800 && cp <= 0xDFFF) return false;
    k += len;
  }
  return true;
}

std::uint32_t BigEndian(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
         p[3];
}

// What the list must do to the object: nullopt if it cannot be read whole, else every
// entry's property and value in list order.
using Entries = std::vector<std::pair<const PropertyInfo*, PropertyValue>>;
std::optional<Entries> Expected(const design::ClassProperties& properties,
                                const std::vector<std::uint8_t>& list, bool inWindow) {
  Entries entries;
  std::size_t pos = 0;
  const std::size_t n = list.size();
  while (pos < n) {
    std::size_t space = pos;
    while (space < n && list[space] != ' ')
      ++space;
    if (space == n) return std::nullopt;
    const std::string name(list.begin() + pos, list.begin() + space);
    const PropertyInfo* property = design::FindProperty(properties, name);
    if (property == nullptr) return std::nullopt;
    pos = space + 1;
    const std::uint8_t* v = list.data() + pos;
    const std::size_t left = n - pos;
    PropertyValue value;
    switch (property->type) {
      case ValueType::Int32:
        if (left < 4) return std::nullopt;
        value = static_cast<fw::Int32>(BigEndian(v));
        pos += 4;
        break;
      case ValueType::Boolean:
        if (left < 1 || v[0] > 1) return std::nullopt;
        value = v[0] == 1;
        pos += 1;
        break;
      case ValueType::Color:
        if (left < 3) return std::nullopt;
        value = fw::Color{v[0], v[1], v[2]};
        pos += 3;
        break;
      case ValueType::String: {
        if (left < 4) return std::nullopt;
        const std::uint32_t count = BigEndian(v);
        if (count > left - 4 || !IsUtf8(v + 4, count)) return std::nullopt;
        std::string text(v + 4, v + 4 + count);
        if (property->name == "InitialParent" && !(inWindow && IsContainerBefore(text)) &&
            !text.empty()) {
          return std::nullopt;
        }
        value = std::move(text);
        pos += 4 + count;
        break;
      }
    }
    entries.emplace_back(property, std::move(value));
  }
  return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto kind = static_cast<Kind>(data[0] % kKinds);
  const std::vector<std::uint8_t> list(data + 1, data + size);

  fw::SetPeerFactory(nullptr);
  fw::ReleaseWindows();
  std::shared_ptr<fw::Window> window = WindowClassInfo().newWindow();
  fw::Object* object = window.get();
  if (kind != Kind::Window) {
    window->AddControl("Rectangle1", std::make_unique<fw::Rectangle>());
    window->AddControl("GroupBox1", std::make_unique<fw::GroupBox>());
    window->AddControl("StaticText9", std::make_unique<fw::Label>());
    window->AddControl("Timer1", std::make_unique<fw::Timer>());
    window->AddControl(kTarget, NewControl(kind));
    window->AddControl("Later1", std::make_unique<fw::Rectangle>());
    object = window->ControlByName(kTarget);
  }

  const design::ClassProperties* properties = design::PropertiesOf(*object);
  if (properties == nullptr) Finding("no property table for a class that takes lists");
  const std::vector<const PropertyInfo*> all = design::AllProperties(*properties);
  const Snapshot before = Take(*object, all);
  const std::optional<Entries> expected = Expected(*properties, list, kind != Kind::Window);

  try {
    design::SetProperties(*object, list);
  } catch (const design::ListError& error) {
    if (expected) Finding(std::string("a readable list was refused: ") + error.what());
    if (!(Take(*object, all) == before)) Finding("a refused list changed the object");
    if (error.Offset() > list.size()) Finding("the error's offset lies past the list");
    const std::string name = kind == Kind::Window ? "Fuzz.Window" : kTarget;
    if (error.Object() != name) Finding("the error names another object: " + error.Object());
    window.reset();
    fw::ReleaseWindows();
    return 0;
  }
  if (!expected) Finding("an unreadable list was applied");

  // Whole: every property holds the last value its entries gave, the others are untouched.
  Snapshot after = before;
  for (const auto& [property, value] : *expected) {
    for (std::size_t k = 0; k < all.size(); ++k) {
      if (all[k] == property) after.values[k] = value;
    }
  }
  const Snapshot now = Take(*object, all);
  if (now.values != after.values) Finding("the properties differ from the list's values");
  for (const auto& [property, value] : *expected) {
    if (property->name != "InitialParent") continue;
    const std::string& name = std::get<std::string>(value);
    const fw::Control* container = name.empty() ? nullptr : window->ControlByName(name);
    after.parent = static_cast<const fw::RectControl*>(container);
  }
  if (now.parent != after.parent) Finding("the control lies in another container");
  window.reset();
  fw::ReleaseWindows();
  return 0;
}
