#pragma once

#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <memory>
#include <string>
#include <vector>

#include "framework/menu.h"

class QWidget;

namespace fw::qt {

// The key of a framework shortcut text: "Cmd+" and a letter is Ctrl and that letter here.
// Anything else is no shortcut (an empty sequence).
QKeySequence ShortcutKey(const std::string& text);

// The shortcuts of one menu bar's items on one window. They work whether or not the window
// shows the bar; choosing one runs the framework's ChooseMenuItem.
class MenuShortcuts {
 public:
  MenuShortcuts() = default;
  MenuShortcuts(const MenuShortcuts&) = delete;
  MenuShortcuts& operator=(const MenuShortcuts&) = delete;
  ~MenuShortcuts() { Clear(); }

  // Replaces the set with the shortcuts of `bar` (nullptr: none) on `window`.
  void Install(QWidget& window, std::shared_ptr<MenuBar> bar);
  void Clear();
  const std::vector<QPointer<QShortcut>>& Shortcuts() const { return shortcuts_; }

 private:
  void Add(QWidget& window, MenuItem& item);

  // Held so that the items the shortcuts name live as long as the shortcuts.
  std::shared_ptr<MenuBar> bar_;
  std::vector<QPointer<QShortcut>> shortcuts_;
};

}  // namespace fw::qt
