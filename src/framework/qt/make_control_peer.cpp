#include "framework/qt/control_kinds.h"
#include "framework/qt/control_peer.h"
#include "framework/qt/window_peer.h"

namespace fw::qt {

namespace {
class PlainPeer : public ControlPeer {
 public:
  explicit PlainPeer(RectControl& control) : ControlPeer(control, new QWidget()) { ApplyAll(); }

 protected:
  void Apply(Prop) override {}
};

template <class T>
T* As(Control& control) {
  return dynamic_cast<T*>(&control);
}
}  // namespace

std::unique_ptr<Peer> MakePlainPeer(RectControl& control) {
  return std::make_unique<PlainPeer>(control);
}

std::unique_ptr<Peer> MakeControlPeer(Control& control) {
  Window* window = control.GetWindow();
  if (window == nullptr || dynamic_cast<WindowPeer*>(window->GetPeer()) == nullptr) return nullptr;
  if (auto* c = As<PushButton>(control)) return MakePushButtonPeer(*c);
  if (auto* c = As<CheckBox>(control)) return MakeCheckBoxPeer(*c);
  if (auto* c = As<Label>(control)) return MakeLabelPeer(*c);
  if (auto* c = As<Rectangle>(control)) return MakeRectanglePeer(*c);
  if (auto* c = As<ImageWell>(control)) return MakeImageWellPeer(*c);
  if (auto* c = As<Separator>(control)) return MakeSeparatorPeer(*c);
  if (auto* c = As<GroupBox>(control)) return MakeGroupBoxPeer(*c);
  if (auto* c = As<ProgressBar>(control)) return MakeProgressBarPeer(*c);
  if (auto* c = As<Slider>(control)) return MakeSliderPeer(*c);
  if (auto* c = As<PopupMenu>(control)) return MakePopupMenuPeer(*c);
  if (auto* c = As<RectControl>(control)) return MakePlainPeer(*c);
  // A timer has no widget: the event loop runs it.
  return nullptr;
}

}  // namespace fw::qt
