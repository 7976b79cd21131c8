#include "framework/keyboard.h"

#include <algorithm>
#include <unordered_map>

#include "framework/window.h"

namespace fw {

namespace {

template <class Marked>
PushButton* FirstUsableButton(const Window& window, Marked marked) {
  for (const std::unique_ptr<Control>& control : window.Controls()) {
    auto* button = dynamic_cast<PushButton*>(control.get());
    if (button != nullptr && marked(*button) && IsUsable(*button)) return button;
  }
  return nullptr;
}

using Contents = std::unordered_map<const RectControl*, std::vector<RectControl*>>;

void AppendInOrder(const Contents& contents, const RectControl* container,
                   std::vector<RectControl*>& order) {
  auto it = contents.find(container);
  if (it == contents.end()) return;
  for (RectControl* control : it->second) {
    order.push_back(control);
    AppendInOrder(contents, control, order);
  }
}

}  // namespace

bool IsUsable(const RectControl& control) {
  const Window* window = control.GetWindow();
  // No chain of containers is longer than the window's controls, unless it loops.
  const std::size_t longest = window != nullptr ? window->Controls().size() : 1;
  std::size_t length = 0;
  for (const RectControl* c = &control; c != nullptr; c = c->Parent()) {
    if (++length > longest || !c->Enabled() || !c->Visible()) return false;
  }
  return true;
}

PushButton* DefaultButton(const Window& window) {
  return FirstUsableButton(window, [](const PushButton& b) { return b.Default(); });
}

PushButton* CancelButton(const Window& window) {
  return FirstUsableButton(window, [](const PushButton& b) { return b.Cancel(); });
}

PushButton* ReturnButton(const Window& window, Control* focused) {
  auto* button = dynamic_cast<PushButton*>(focused);
  return button != nullptr && IsUsable(*button) ? button : DefaultButton(window);
}

std::vector<RectControl*> KeyboardOrder(const Window& window) {
  // Each container's controls (the window's under nullptr), in creation order, then sorted.
  Contents contents;
  for (const std::unique_ptr<Control>& control : window.Controls()) {
    if (auto* rect = dynamic_cast<RectControl*>(control.get())) {
      contents[rect->Parent()].push_back(rect);
    }
  }
  for (auto& [container, controls] : contents) {
    std::stable_sort(
        controls.begin(), controls.end(),
        [](const RectControl* a, const RectControl* b) { return a->TabIndex() < b->TabIndex(); });
  }
  std::vector<RectControl*> order;
  order.reserve(window.Controls().size());
  AppendInOrder(contents, nullptr, order);
  return order;
}

bool IsTabStop(const RectControl& control) {
  return control.TabStop() && IsUsable(control);
}

}  // namespace fw
