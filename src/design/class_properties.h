#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "framework/framework.h"

// The properties that design lists can carry, one table per declaring class: Control,
// RectControl, and each list-bearing class for its own. A name is looked up in the object's
// class first, then in its bases.
namespace design {

enum class ValueType { Int32, Boolean, Color, String };

using PropertyValue = std::variant<fw::Int32, bool, fw::Color, std::string>;

struct PropertyInfo {
  std::string_view name;  // as declared; lists may spell it in another case
  ValueType type;
  void (*set)(fw::Object& object, const PropertyValue& value);
  PropertyValue (*get)(const fw::Object& object);
};

struct ClassProperties {
  std::string_view className;
  std::span<const PropertyInfo> own;
  const ClassProperties* base;  // nullptr above Control and above Window
};

// The property table of the object's class, found from its dynamic type (a subclass of
// Timer counts as Timer), or nullptr for an object that takes no design list.
const ClassProperties* PropertiesOf(const fw::Object& object);

// The property of that name in the class or one of its bases, matched without regard to
// ASCII case; nullptr if none.
const PropertyInfo* FindProperty(const ClassProperties& properties, std::string_view name);

// Every property of the class and its bases, the class's own first.
std::vector<const PropertyInfo*> AllProperties(const ClassProperties& properties);

// The fixed width of a value of the type; a String's is that of its count.
std::size_t FixedWidth(ValueType type);

}  // namespace design
