#include "design/class_properties.h"

#include <type_traits>

namespace design {

namespace {

template <class F>
struct SetterArgument;
template <class K, class T>
struct SetterArgument<void (K::*)(T)> {
  using type = T;
};

template <class T>
constexpr ValueType TypeOf() {
  if constexpr (std::is_same_v<T, fw::Int32>) {
    return ValueType::Int32;
  } else if constexpr (std::is_same_v<T, bool>) {
    return ValueType::Boolean;
  } else if constexpr (std::is_same_v<T, fw::Color>) {
    return ValueType::Color;
  } else {
    static_assert(std::is_same_v<T, std::string>, "a design property holds one of four types");
    return ValueType::String;
  }
}

// One property of class C, set and read through its framework setter and getter. The
// object is known to be a C: the table was chosen by its dynamic type.
template <class C, auto Set, auto Get>
constexpr PropertyInfo Declare(std::string_view name) {
  using T = typename SetterArgument<decltype(Set)>::type;
  return {
      name,
      TypeOf<T>(),
      [](fw::Object& object, const PropertyValue& value) {
        (static_cast<C&>(object).*Set)(std::get<T>(value));
      },
      [](const fw::Object& object) {
        return PropertyValue(std::in_place_type<T>, (static_cast<const C&>(object).*Get)());
      },
  };
}

#define DESIGN_PROPERTY(Class, Name) \
  Declare<fw::Class, &fw::Class::Set##Name, &fw::Class::Name>(#Name)

constexpr PropertyInfo kControl[] = {
    DESIGN_PROPERTY(Control, Name),
    DESIGN_PROPERTY(Control, Index),
    DESIGN_PROPERTY(Control, TabPanelIndex),
};

constexpr PropertyInfo kRectControl[] = {
    DESIGN_PROPERTY(RectControl, Left),          DESIGN_PROPERTY(RectControl, Top),
    DESIGN_PROPERTY(RectControl, Width),         DESIGN_PROPERTY(RectControl, Height),
    DESIGN_PROPERTY(RectControl, TabIndex),      DESIGN_PROPERTY(RectControl, LockLeft),
    DESIGN_PROPERTY(RectControl, LockTop),       DESIGN_PROPERTY(RectControl, LockRight),
    DESIGN_PROPERTY(RectControl, LockBottom),    DESIGN_PROPERTY(RectControl, Visible),
    DESIGN_PROPERTY(RectControl, Enabled),       DESIGN_PROPERTY(RectControl, AutoDeactivate),
    DESIGN_PROPERTY(RectControl, TabStop),       DESIGN_PROPERTY(RectControl, HelpTag),
    DESIGN_PROPERTY(RectControl, InitialParent),
};

constexpr PropertyInfo kWindow[] = {
    DESIGN_PROPERTY(Window, Placement),      DESIGN_PROPERTY(Window, Width),
    DESIGN_PROPERTY(Window, Height),         DESIGN_PROPERTY(Window, MinWidth),
    DESIGN_PROPERTY(Window, MinHeight),      DESIGN_PROPERTY(Window, MaxWidth),
    DESIGN_PROPERTY(Window, MaxHeight),      DESIGN_PROPERTY(Window, Frame),
    DESIGN_PROPERTY(Window, Composite),      DESIGN_PROPERTY(Window, HasBackColor),
    DESIGN_PROPERTY(Window, BackColor),      DESIGN_PROPERTY(Window, Title),
    DESIGN_PROPERTY(Window, Visible),        DESIGN_PROPERTY(Window, FullScreen),
    DESIGN_PROPERTY(Window, MenuBarVisible), DESIGN_PROPERTY(Window, CloseButton),
    DESIGN_PROPERTY(Window, Resizeable),     DESIGN_PROPERTY(Window, LiveResize),
    DESIGN_PROPERTY(Window, MaximizeButton), DESIGN_PROPERTY(Window, MinimizeButton),
    DESIGN_PROPERTY(Window, MacProcId),
};

constexpr PropertyInfo kPushButton[] = {
    DESIGN_PROPERTY(PushButton, Caption),  DESIGN_PROPERTY(PushButton, Default),
    DESIGN_PROPERTY(PushButton, Cancel),   DESIGN_PROPERTY(PushButton, ButtonStyle),
    DESIGN_PROPERTY(PushButton, TextFont), DESIGN_PROPERTY(PushButton, Bold),
    DESIGN_PROPERTY(PushButton, Italic),   DESIGN_PROPERTY(PushButton, Underline),
};

constexpr PropertyInfo kLabel[] = {
    DESIGN_PROPERTY(Label, Text),       DESIGN_PROPERTY(Label, TextAlign),
    DESIGN_PROPERTY(Label, TextColor),  DESIGN_PROPERTY(Label, MultiLine),
    DESIGN_PROPERTY(Label, Selectable), DESIGN_PROPERTY(Label, Transparent),
    DESIGN_PROPERTY(Label, TextFont),   DESIGN_PROPERTY(Label, Bold),
    DESIGN_PROPERTY(Label, Italic),     DESIGN_PROPERTY(Label, Underline),
    DESIGN_PROPERTY(Label, DataSource), DESIGN_PROPERTY(Label, DataField),
};

constexpr PropertyInfo kRectangle[] = {
    DESIGN_PROPERTY(Rectangle, FillColor),
    DESIGN_PROPERTY(Rectangle, BorderWidth),
    DESIGN_PROPERTY(Rectangle, TopLeftColor),
    DESIGN_PROPERTY(Rectangle, BottomRightColor),
};

constexpr PropertyInfo kProgressBar[] = {
    DESIGN_PROPERTY(ProgressBar, Value),
    DESIGN_PROPERTY(ProgressBar, Maximum),
};

constexpr PropertyInfo kGroupBox[] = {
    DESIGN_PROPERTY(GroupBox, Caption),   DESIGN_PROPERTY(GroupBox, TextFont),
    DESIGN_PROPERTY(GroupBox, Bold),      DESIGN_PROPERTY(GroupBox, Italic),
    DESIGN_PROPERTY(GroupBox, Underline),
};

constexpr PropertyInfo kCheckBox[] = {
    DESIGN_PROPERTY(CheckBox, Caption),   DESIGN_PROPERTY(CheckBox, TextFont),
    DESIGN_PROPERTY(CheckBox, Bold),      DESIGN_PROPERTY(CheckBox, Italic),
    DESIGN_PROPERTY(CheckBox, Underline), DESIGN_PROPERTY(CheckBox, State),
    DESIGN_PROPERTY(CheckBox, Value),     DESIGN_PROPERTY(CheckBox, DataSource),
    DESIGN_PROPERTY(CheckBox, DataField),
};

constexpr PropertyInfo kSlider[] = {
    DESIGN_PROPERTY(Slider, Minimum),   DESIGN_PROPERTY(Slider, Value),
    DESIGN_PROPERTY(Slider, Maximum),   DESIGN_PROPERTY(Slider, LineStep),
    DESIGN_PROPERTY(Slider, PageStep),  DESIGN_PROPERTY(Slider, LiveScroll),
    DESIGN_PROPERTY(Slider, TickStyle),
};

constexpr PropertyInfo kPopupMenu[] = {
    DESIGN_PROPERTY(PopupMenu, InitialValue), DESIGN_PROPERTY(PopupMenu, ListIndex),
    DESIGN_PROPERTY(PopupMenu, TextFont),     DESIGN_PROPERTY(PopupMenu, Bold),
    DESIGN_PROPERTY(PopupMenu, Italic),       DESIGN_PROPERTY(PopupMenu, Underline),
    DESIGN_PROPERTY(PopupMenu, DataSource),   DESIGN_PROPERTY(PopupMenu, DataField),
};

constexpr PropertyInfo kTimer[] = {
    DESIGN_PROPERTY(Timer, Mode),
    DESIGN_PROPERTY(Timer, Period),
};

#undef DESIGN_PROPERTY

constexpr ClassProperties kControlClass{"Control", kControl, nullptr};
constexpr ClassProperties kRectControlClass{"RectControl", kRectControl, &kControlClass};

constexpr ClassProperties kWindowClass{"Window", kWindow, nullptr};
constexpr ClassProperties kPushButtonClass{"PushButton", kPushButton, &kRectControlClass};
constexpr ClassProperties kLabelClass{"Label", kLabel, &kRectControlClass};
constexpr ClassProperties kImageWellClass{"ImageWell", {}, &kRectControlClass};
constexpr ClassProperties kSeparatorClass{"Separator", {}, &kRectControlClass};
constexpr ClassProperties kRectangleClass{"Rectangle", kRectangle, &kRectControlClass};
constexpr ClassProperties kProgressBarClass{"ProgressBar", kProgressBar, &kRectControlClass};
constexpr ClassProperties kGroupBoxClass{"GroupBox", kGroupBox, &kRectControlClass};
constexpr ClassProperties kCheckBoxClass{"CheckBox", kCheckBox, &kRectControlClass};
constexpr ClassProperties kSliderClass{"Slider", kSlider, &kRectControlClass};
constexpr ClassProperties kPopupMenuClass{"PopupMenu", kPopupMenu, &kRectControlClass};
constexpr ClassProperties kTimerClass{"Timer", kTimer, &kControlClass};

template <class T>
bool Is(const fw::Object& object) {
  return dynamic_cast<const T*>(&object) != nullptr;
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (Lower(a[k]) != Lower(b[k])) return false;
  }
  return true;
}

}  // namespace

const ClassProperties* PropertiesOf(const fw::Object& object) {
  if (Is<fw::Window>(object)) return &kWindowClass;
  if (Is<fw::PushButton>(object)) return &kPushButtonClass;
  if (Is<fw::Label>(object)) return &kLabelClass;
  if (Is<fw::ImageWell>(object)) return &kImageWellClass;
  if (Is<fw::Separator>(object)) return &kSeparatorClass;
  if (Is<fw::Rectangle>(object)) return &kRectangleClass;
  if (Is<fw::ProgressBar>(object)) return &kProgressBarClass;
  if (Is<fw::GroupBox>(object)) return &kGroupBoxClass;
  if (Is<fw::CheckBox>(object)) return &kCheckBoxClass;
  if (Is<fw::Slider>(object)) return &kSliderClass;
  if (Is<fw::PopupMenu>(object)) return &kPopupMenuClass;
  if (Is<fw::Timer>(object)) return &kTimerClass;
  return nullptr;
}

const PropertyInfo* FindProperty(const ClassProperties& properties, std::string_view name) {
  for (const ClassProperties* c = &properties; c != nullptr; c = c->base) {
    for (const PropertyInfo& property : c->own) {
      if (SameIgnoringCase(property.name, name)) return &property;
    }
  }
  return nullptr;
}

std::vector<const PropertyInfo*> AllProperties(const ClassProperties& properties) {
  std::vector<const PropertyInfo*> all;
  for (const ClassProperties* c = &properties; c != nullptr; c = c->base) {
    for (const PropertyInfo& property : c->own)
      all.push_back(&property);
  }
  return all;
}

std::size_t FixedWidth(ValueType type) {
  switch (type) {
    case ValueType::Int32:
      return 4;
    case ValueType::Boolean:
      return 1;
    case ValueType::Color:
      return 3;
    case ValueType::String:
      return 4;
  }
  return 0;
}

}  // namespace design
