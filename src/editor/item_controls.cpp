#include "editor/item_controls.h"

#include <array>

namespace editor {

namespace {

template <class T>
using Getter = fw::Ref<T> (Setform::*)() const;

// Entry n of a table belongs to the first item of the range plus n.
template <class T, std::size_t N>
fw::Ref<T> Fetch(const class Setform& form, const std::array<Getter<T>, N>& getters, Int32 first,
                 Int32 item) {
  if (item < first || item - first >= static_cast<Int32>(N)) return nullptr;
  return (form.*getters[static_cast<std::size_t>(item - first)])();
}

const std::array<Getter<fw::PushButton>, 13> kItemButtons = {
    &Setform::PushButton1, &Setform::PushButton2,  &Setform::PushButton3,  &Setform::PushButton4,
    &Setform::PushButton5, &Setform::PushButton6,  &Setform::PushButton7,  &Setform::PushButton8,
    &Setform::PushButton9, &Setform::PushButton10, &Setform::PushButton11, &Setform::PushButton12,
    &Setform::PushButton13};

const std::array<Getter<fw::PopupMenu>, 8> kPopups = {
    &Setform::PopupMenu1, &Setform::PopupMenu2, &Setform::PopupMenu3, &Setform::PopupMenu4,
    &Setform::PopupMenu5, &Setform::PopupMenu6, &Setform::PopupMenu7, &Setform::PopupMenu8};

const std::array<Getter<fw::Slider>, 4> kSliders = {&Setform::Slider1, &Setform::Slider2,
                                                    &Setform::Slider3, &Setform::Slider4};

const std::array<Getter<fw::Label>, 4> kValueLabels = {
    &Setform::StaticText2, &Setform::StaticText3, &Setform::StaticText4, &Setform::StaticText5};

const std::array<Getter<fw::PushButton>, 4> kChoiceButtons = {
    &Setform::PushButton20, &Setform::PushButton15, &Setform::PushButton16, &Setform::PushButton18};

}  // namespace

fw::Ref<fw::PushButton> ItemButton(const class Setform& form, Int32 item) {
  return Fetch(form, kItemButtons, 1, item);
}

fw::Ref<fw::PopupMenu> ItemPopup(const class Setform& form, Int32 item) {
  return Fetch(form, kPopups, 1, item);
}

fw::Ref<fw::Slider> ItemSlider(const class Setform& form, Int32 item) {
  return Fetch(form, kSliders, kLastPopupItem + 1, item);
}

fw::Ref<fw::Label> ItemValueLabel(const class Setform& form, Int32 item) {
  return Fetch(form, kValueLabels, kLastPopupItem + 1, item);
}

fw::Ref<fw::PushButton> ChoiceButton(const class Setform& form, Int32 choice) {
  return Fetch(form, kChoiceButtons, 1, choice);
}

}  // namespace editor
