#include <algorithm>
#include <cstdio>
#include <string_view>

#include "design/class_properties.h"
#include "design/property_list.h"
#include "design/utf8.h"

namespace design {

namespace {

struct Entry {
  const PropertyInfo* property;
  PropertyValue value;
};

std::string ObjectName(const fw::Object& object, const ClassProperties* properties) {
  if (const auto* window = dynamic_cast<const fw::Window*>(&object)) {
    return window->Class().fullName;
  }
  if (const auto* control = dynamic_cast<const fw::Control*>(&object)) {
    if (!control->RegisteredName().empty()) return control->RegisteredName();
  }
  return "unregistered " + std::string(properties ? properties->className : "object");
}

std::string ByteCount(std::size_t n) {
  return std::to_string(n) + (n == 1 ? " byte" : " bytes");
}

// Reads one list whole into entries, checking each against the object it is meant for.
class Reader {
 public:
  Reader(const fw::Object& object, const ClassProperties* properties, const design::Bytes& list)
      : object_(object), properties_(properties), list_(list) {}

  std::vector<Entry> ReadAll() {
    if (properties_ == nullptr) Fail("", 0, "this object takes no design list");
    std::vector<Entry> entries;
    while (pos_ < list_.size()) {
      entries.push_back(ReadEntry());
    }
    return entries;
  }

 private:
  Entry ReadEntry() {
    const std::size_t nameStart = pos_;
    const auto space = std::find(list_.begin() + static_cast<std::ptrdiff_t>(pos_), list_.end(),
                                 std::uint8_t{' '});
    name_.assign(list_.begin() + static_cast<std::ptrdiff_t>(pos_), space);
    if (space == list_.end()) {
      Fail(name_, nameStart, "the list ends inside the name");
    }
    const PropertyInfo* property = FindProperty(*properties_, name_);
    if (property == nullptr) {
      Fail(name_, nameStart, "no property of that name in " + std::string(properties_->className));
    }
    pos_ = static_cast<std::size_t>(space - list_.begin()) + 1;
    const std::size_t valueStart = pos_;
    Entry entry{property, ReadValue(property->type)};
    if (property->name == "InitialParent") {
      CheckContainer(std::get<std::string>(entry.value), valueStart);
    }
    return entry;
  }

  PropertyValue ReadValue(ValueType type) {
    const std::size_t width = FixedWidth(type);
    if (Left() < width) {
      Fail(name_, pos_,
           "the value needs " + ByteCount(width) + ", the list has " + ByteCount(Left()) + " left");
    }
    switch (type) {
      case ValueType::Int32:
        return static_cast<fw::Int32>(ReadUint32());
      case ValueType::Boolean: {
        const std::uint8_t byte = list_[pos_];
        if (byte > 1) {
          char text[3];
          std::snprintf(text, sizeof text, "%02X", byte);
          Fail(name_, pos_, std::string("a Boolean is 00 or 01, not ") + text);
        }
        ++pos_;
        return byte == 1;
      }
      case ValueType::Color: {
        // Red, green, blue, in that order.
        fw::Color color{list_[pos_], list_[pos_ + 1], list_[pos_ + 2]};
        pos_ += 3;
        return color;
      }
      case ValueType::String:
        return ReadText();
    }
    Fail(name_, pos_, "unknown value type");
  }

  std::uint32_t ReadUint32() {
    std::uint32_t value = 0;
    for (int k = 0; k < 4; ++k) {
      value = (value << 8) | list_[pos_++];
    }
    return value;
  }

  std::string ReadText() {
    const std::uint32_t count = ReadUint32();
    if (count > Left()) {
      Fail(name_, pos_,
           "the text of " + ByteCount(count) + " runs past the end; the list has " +
               ByteCount(Left()) + " left");
    }
    const auto begin = list_.begin() + static_cast<std::ptrdiff_t>(pos_);
    std::string text(begin, begin + static_cast<std::ptrdiff_t>(count));
    const std::size_t valid = Utf8ValidPrefix(text);
    if (valid != text.size()) Fail(name_, pos_ + valid, "the text is not UTF-8 here");
    pos_ += count;
    return text;
  }

  // A container must be a control of the same window registered before this one; "" is
  // the window itself.
  void CheckContainer(const std::string& container, std::size_t valueStart) {
    if (container.empty()) return;
    const auto& self = dynamic_cast<const fw::Control&>(object_);
    const fw::Window* window = self.GetWindow();
    if (window == nullptr) {
      Fail(name_, valueStart, "the control is in no window, so it has no container " + container);
    }
    for (const auto& control : window->Controls()) {
      if (control.get() == &self) break;
      if (control->RegisteredName() != container) continue;
      if (dynamic_cast<const fw::RectControl*>(control.get()) == nullptr) {
        Fail(name_, valueStart, container + " cannot hold controls");
      }
      return;
    }
    Fail(name_, valueStart,
         window->ControlByName(container) != nullptr
             ? "the container " + container + " is not registered before this control"
             : "the window " + window->Class().fullName + " has no control " + container);
  }

  std::size_t Left() const { return list_.size() - pos_; }

  [[noreturn]] void Fail(const std::string& entry, std::size_t offset,
                         const std::string& problem) const {
    throw ListError(ObjectName(object_, properties_), entry, offset, problem);
  }

  const fw::Object& object_;
  const ClassProperties* properties_;
  const design::Bytes& list_;
  std::size_t pos_ = 0;
  std::string name_;  // of the entry being read, as stored
};

}  // namespace

void SetProperties(fw::Object& object, const Bytes& list) {
  const ClassProperties* properties = PropertiesOf(object);
  const std::vector<Entry> entries = Reader(object, properties, list).ReadAll();
  for (const Entry& entry : entries)
    entry.property->set(object, entry.value);
}

}  // namespace design
