#include "app/menu_bar1.h"

#include <span>

namespace app {

namespace {
// One row of the menu bar. A menu is placed in the bar (`menu` nullptr), an item in the
// menu of that name. A separator ("-") has no shortcut at all, not even an empty one.
struct MenuRow {
  const char* name;
  bool quitItem;
  const char* menu;
  const char* text;
  const char* shortcut;  // nullptr: the separators skip the shortcut
};

constexpr MenuRow kFileMenu[] = {
    {"FileMenu", false, nullptr, "ファイル", ""},
    {"FileQuit", true, "FileMenu", "終了", "Cmd+Q"},
};

constexpr MenuRow kEditMenu[] = {
    {"EditMenu", false, nullptr, "編集", ""},
    {"EditUndo", false, "EditMenu", "取り消し", "Cmd+Z"},
    {"UntitledMenu1", false, "EditMenu", "-", nullptr},
    {"EditCut", false, "EditMenu", "カット", "Cmd+X"},
    {"EditCopy", false, "EditMenu", "コピー", "Cmd+C"},
    {"EditPaste", false, "EditMenu", "ペースト", "Cmd+V"},
    {"EditClear", false, "EditMenu", "削除", ""},
    {"UntitledMenu0", false, "EditMenu", "-", nullptr},
    {"EditSelectAll", false, "EditMenu", "すべてを選択", "Cmd+A"},
};

void Build(fw::MenuBar& bar, std::span<const MenuRow> rows) {
  for (const MenuRow& row : rows) {
    std::shared_ptr<fw::MenuItem> item =
        row.quitItem ? std::make_shared<fw::QuitMenuItem>() : std::make_shared<fw::MenuItem>();
    item->Constructor();
    item->SetName(row.name);
    item->SetAutoEnable(true);
    item->SetText(row.text);
    if (row.shortcut != nullptr) item->SetKeyboardShortcut(row.shortcut);
    if (row.menu == nullptr) {
      bar.Append(item);
    } else {
      // The menu is looked up afresh for every item.
      fw::Nil(bar.Child(row.menu)).Append(item);
    }
  }
}
}  // namespace

void MenuBar1::Constructor() {
  Untitled0();
  Untitled1();
}

void MenuBar1::Untitled0() {
  Build(*this, kFileMenu);
}

void MenuBar1::Untitled1() {
  Build(*this, kEditMenu);
}

}  // namespace app
