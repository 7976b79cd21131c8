#include "framework/qt/menu_shortcuts.h"

#include <QWidget>

#include "framework/qt/guarded_application.h"

namespace fw::qt {

QKeySequence ShortcutKey(const std::string& text) {
  static const std::string kPrefix = "Cmd+";
  if (text.size() != kPrefix.size() + 1 || text.compare(0, kPrefix.size(), kPrefix) != 0) {
    return {};
  }
  const char letter = text.back();
  int offset = -1;
  if (letter >= 'A' && letter <= 'Z') offset = letter - 'A';
  if (letter >= 'a' && letter <= 'z') offset = letter - 'a';
  if (offset < 0) return {};
  return QKeySequence(
      QKeyCombination(Qt::ControlModifier, static_cast<Qt::Key>(Qt::Key_A + offset)));
}

void MenuShortcuts::Install(QWidget& window, std::shared_ptr<MenuBar> bar) {
  Clear();
  bar_ = std::move(bar);
  if (bar_) Add(window, *bar_);
}

void MenuShortcuts::Add(QWidget& window, MenuItem& item) {
  for (std::size_t i = 0; i < item.Count(); ++i) {
    MenuItem& child = item.Item(i);
    if (child.IsSeparator()) continue;
    const QKeySequence key = ShortcutKey(child.KeyboardShortcut());
    if (!key.isEmpty()) {
      // One set per window, each active only while its own window is: an application-wide
      // shortcut on two windows would be ambiguous and fire on neither.
      auto* shortcut = new QShortcut(key, &window);
      shortcut->setContext(Qt::WindowShortcut);
      MenuItem* chosen = &child;
      QObject::connect(shortcut, &QShortcut::activated, shortcut,
                       [chosen] { Deliver([chosen] { ChooseMenuItem(*chosen); }); });
      shortcuts_.emplace_back(shortcut);
    }
    Add(window, child);
  }
}

void MenuShortcuts::Clear() {
  for (QPointer<QShortcut>& shortcut : shortcuts_) {
    if (!shortcut) continue;
    QObject::disconnect(shortcut, nullptr, nullptr, nullptr);
    shortcut->setEnabled(false);
    shortcut->deleteLater();
  }
  shortcuts_.clear();
  bar_.reset();
}

}  // namespace fw::qt
