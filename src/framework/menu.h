#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/object.h"

namespace fw {

// A menu or a menu item; the Text "-" makes it a separator line.
class MenuItem : public Object {
 public:
  ~MenuItem() override = default;

  void Constructor() {}

  // Adds an item as the last child.
  void Append(std::shared_ptr<MenuItem> item);
  // The child whose Name is `name`, or nullptr.
  MenuItem* Child(const std::string& name) const;
  std::size_t Count() const { return children_.size(); }
  MenuItem& Item(std::size_t index) const { return *children_.at(index); }
  bool IsSeparator() const { return Text() == "-"; }

  // The item was chosen. Gives whether it was handled; a plain item handles nothing.
  virtual bool Action() { return false; }

  FW_PROPERTY(std::string, Name, "")
  FW_PROPERTY(std::string, Text, "")
  // "Cmd+" and a letter; "" is no shortcut. Cmd stands for the platform's command modifier.
  FW_PROPERTY(std::string, KeyboardShortcut, "")
  FW_PROPERTY(bool, AutoEnable, true)

 private:
  std::vector<std::shared_ptr<MenuItem>> children_;
};

// Ends the application when chosen.
class QuitMenuItem : public MenuItem {
 public:
  bool Action() override;
};

class MenuBar : public MenuItem {};

// The framework's quit action: asks the application to end with status 0.
bool QuitMenuAction();

// The user chose the item (by the menu or by its shortcut). Nothing runs after Quit.
bool ChooseMenuItem(MenuItem& item);

}  // namespace fw
