#pragma once

#include <memory>

#include "framework/controls.h"
#include "framework/peer.h"

// The peers of the framework's control classes, one maker per class.
namespace fw::qt {

std::unique_ptr<Peer> MakePushButtonPeer(PushButton& control);
std::unique_ptr<Peer> MakeCheckBoxPeer(CheckBox& control);
std::unique_ptr<Peer> MakeLabelPeer(Label& control);
std::unique_ptr<Peer> MakeRectanglePeer(Rectangle& control);
std::unique_ptr<Peer> MakeImageWellPeer(ImageWell& control);
std::unique_ptr<Peer> MakeSeparatorPeer(Separator& control);
std::unique_ptr<Peer> MakeGroupBoxPeer(GroupBox& control);
std::unique_ptr<Peer> MakeProgressBarPeer(ProgressBar& control);
std::unique_ptr<Peer> MakeSliderPeer(Slider& control);
std::unique_ptr<Peer> MakePopupMenuPeer(PopupMenu& control);
// Any other visible control: a plain widget that takes its input.
std::unique_ptr<Peer> MakePlainPeer(RectControl& control);

}  // namespace fw::qt
