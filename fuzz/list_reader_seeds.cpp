// Writes the seed corpus of list_reader_fuzz: the first list of each class among the
// program's own design lists, each behind the byte that makes the fuzzer pick that class.
#include <cstdio>
#include <fstream>
#include <set>
#include <string>

#include "editor/setform_design.h"
#include "readout/startform_design.h"

namespace {

// The class bytes of list_reader_fuzz.cpp.
enum Class {
  kWindow,
  kPushButton,
  kLabel,
  kImageWell,
  kSeparator,
  kRectangle,
  kProgressBar,
  kGroupBox,
  kCheckBox,
  kSlider,
  kPopupMenu,
  kTimer
};

int ClassOf(editor::SetformControl::Kind kind) {
  using Kind = editor::SetformControl::Kind;
  switch (kind) {
    case Kind::Rectangle:
      return kRectangle;
    case Kind::Label:
      return kLabel;
    case Kind::GroupBox:
      return kGroupBox;
    case Kind::CheckBox:
      return kCheckBox;
    case Kind::Slider:
      return kSlider;
    case Kind::PushButton:
      return kPushButton;
    case Kind::PopupMenu:
      return kPopupMenu;
    case Kind::Separator:
      return kSeparator;
  }
  return kWindow;
}

std::set<int> written;

void Write(const std::string& folder, const std::string& name, int cls, const design::Bytes& list) {
  if (!written.insert(cls).second) return;
  std::ofstream out(folder + "/" + name, std::ios::binary);
  out.put(static_cast<char>(cls));
  out.write(reinterpret_cast<const char*>(list.data()), static_cast<std::streamsize>(list.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  const readout::StartformLists& start = readout::StartformDesign();
  Write(folder, "startform_window", kWindow, start.window);
  Write(folder, "startform_PushButton1", kPushButton, start.PushButton1);
  Write(folder, "startform_StaticText2", kLabel, start.StaticText2);
  Write(folder, "startform_ImageWell1", kImageWell, start.ImageWell1);
  Write(folder, "startform_Rectangle1", kRectangle, start.Rectangle1);
  Write(folder, "startform_ProgressBar1", kProgressBar, start.ProgressBar1);
  Write(folder, "startform_Timer1", kTimer, start.Timer1);
  for (const editor::SetformControl& control : editor::SetformControls()) {
    Write(folder, "setform_" + control.name, ClassOf(control.kind), control.list);
  }
  return 0;
}
