#include <QComboBox>
#include <QProgressBar>
#include <QSlider>
#include <algorithm>

#include "framework/qt/control_kinds.h"
#include "framework/qt/control_peer.h"
#include "framework/qt/conversions.h"
#include "framework/qt/guarded_application.h"

namespace fw::qt {

namespace {
class ProgressBarPeer : public ControlPeer {
 public:
  explicit ProgressBarPeer(ProgressBar& control)
      : ControlPeer(control, new QProgressBar()), control_(control) {
    Bar()->setTextVisible(false);
    ApplyAll();
  }

 protected:
  void Apply(Prop prop) override {
    if (prop != Prop::Value && prop != Prop::Maximum) return;
    // QProgressBar ignores a value outside its range; the framework keeps it, the bar shows
    // it at the nearest end.
    const int maximum = std::max(control_.Maximum(), 0);
    Bar()->setRange(0, maximum);
    Bar()->setValue(std::clamp(control_.Value(), 0, maximum));
  }

 private:
  QProgressBar* Bar() const { return static_cast<QProgressBar*>(Widget()); }
  ProgressBar& control_;
};

class SliderPeer : public ControlPeer {
 public:
  explicit SliderPeer(Slider& control)
      : ControlPeer(control, new QSlider(Qt::Horizontal)), control_(control) {
    // The user's drag or keys change the framework's value; the peer's own writes do not come
    // back.
    QObject::connect(Bar(), &QSlider::valueChanged, Context(), [this, &control](int value) {
      if (applying_ || value == control.Value()) return;
      Deliver([&control, value] { control.SetValue(value); });
    });
    ApplyAll();
  }

 protected:
  void Apply(Prop prop) override {
    applying_ = true;
    switch (prop) {
      case Prop::Minimum:
      case Prop::Maximum:
      case Prop::Value:
        Bar()->setRange(control_.Minimum(), std::max(control_.Minimum(), control_.Maximum()));
        Bar()->setValue(control_.Value());
        break;
      case Prop::LineStep:
        Bar()->setSingleStep(control_.LineStep());
        break;
      case Prop::PageStep:
        Bar()->setPageStep(control_.PageStep());
        break;
      case Prop::LiveScroll:
        Bar()->setTracking(control_.LiveScroll());
        break;
      case Prop::TickStyle:
        Bar()->setTickPosition(Ticks(control_.TickStyle()));
        break;
      default:
        break;
    }
    applying_ = false;
  }

 private:
  static QSlider::TickPosition Ticks(Int32 style) {
    switch (style) {
      case 1:
        return QSlider::TicksAbove;
      case 2:
        return QSlider::TicksBelow;
      case 3:
        return QSlider::TicksBothSides;
      default:
        return QSlider::NoTicks;
    }
  }
  QSlider* Bar() const { return static_cast<QSlider*>(Widget()); }
  Slider& control_;
  bool applying_ = false;
};

class PopupMenuPeer : public ControlPeer {
 public:
  explicit PopupMenuPeer(PopupMenu& control)
      : ControlPeer(control, new QComboBox()), control_(control) {
    // The user's choice becomes the framework's ListIndex.
    QObject::connect(Box(), &QComboBox::activated, Context(), [&control](int index) {
      if (index == control.ListIndex()) return;
      Deliver([&control, index] { control.SetListIndex(index); });
    });
    ApplyAll();
  }

 protected:
  void Apply(Prop prop) override {
    if (prop == Prop::InitialValue) {
      Box()->clear();
      for (const std::string& row : control_.Rows())
        Box()->addItem(DisplayText(row));
      ShowIndex();
    } else if (prop == Prop::ListIndex) {
      ShowIndex();
    } else if (IsFontProp(prop)) {
      Box()->setFont(FontOf(control_));
    }
  }

 private:
  // An index outside the rows shows no row.
  void ShowIndex() {
    const Int32 index = control_.ListIndex();
    Box()->setCurrentIndex(index >= 0 && index < Box()->count() ? index : -1);
  }
  QComboBox* Box() const { return static_cast<QComboBox*>(Widget()); }
  PopupMenu& control_;
};
}  // namespace

std::unique_ptr<Peer> MakeProgressBarPeer(ProgressBar& control) {
  return std::make_unique<ProgressBarPeer>(control);
}

std::unique_ptr<Peer> MakeSliderPeer(Slider& control) {
  return std::make_unique<SliderPeer>(control);
}

std::unique_ptr<Peer> MakePopupMenuPeer(PopupMenu& control) {
  return std::make_unique<PopupMenuPeer>(control);
}

}  // namespace fw::qt
