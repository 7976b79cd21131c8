#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>

#include "framework/qt/control_kinds.h"
#include "framework/qt/control_peer.h"
#include "framework/qt/conversions.h"
#include "framework/qt/guarded_application.h"

namespace fw::qt {

namespace {
// Return and Enter are the window's: it decides which button they press, once per key press.
// Qt's button would click itself when drawn as default, again on each auto-repeat.
class ButtonWidget : public QPushButton {
 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      event->ignore();
      return;
    }
    QPushButton::keyPressEvent(event);
  }
};

class PushButtonPeer : public ControlPeer {
 public:
  explicit PushButtonPeer(PushButton& control)
      : ControlPeer(control, new ButtonWidget()), control_(control) {
    Button()->setAutoDefault(false);
    QObject::connect(Button(), &QPushButton::clicked, Context(),
                     [&control] { Deliver([&control] { control.Action.Raise(); }); });
    ApplyAll();
  }

 protected:
  void Apply(Prop prop) override {
    if (prop == Prop::Caption) {
      Button()->setText(CaptionText(control_.Caption()));
    } else if (prop == Prop::Default) {
      // Drawn as the default button; nothing here keeps another button from being one too.
      Button()->setDefault(control_.Default());
    } else if (IsFontProp(prop)) {
      Button()->setFont(FontOf(control_));
    }
  }

 private:
  QPushButton* Button() const { return static_cast<QPushButton*>(Widget()); }
  PushButton& control_;
};

class CheckBoxPeer : public ControlPeer {
 public:
  explicit CheckBoxPeer(CheckBox& control)
      : ControlPeer(control, new QCheckBox()), control_(control) {
    // The user's click changes the framework's value; the framework's value is what shows.
    QObject::connect(Box(), &QCheckBox::clicked, Context(), [&control](bool checked) {
      Deliver([&control, checked] { control.SetValue(checked); });
    });
    ApplyAll();
  }

 protected:
  void Apply(Prop prop) override {
    if (prop == Prop::Caption) {
      Box()->setText(CaptionText(control_.Caption()));
    } else if (prop == Prop::Value) {
      Box()->setChecked(control_.Value());
    } else if (IsFontProp(prop)) {
      Box()->setFont(FontOf(control_));
    }
  }

 private:
  QCheckBox* Box() const { return static_cast<QCheckBox*>(Widget()); }
  CheckBox& control_;
};
}  // namespace

std::unique_ptr<Peer> MakePushButtonPeer(PushButton& control) {
  return std::make_unique<PushButtonPeer>(control);
}

std::unique_ptr<Peer> MakeCheckBoxPeer(CheckBox& control) {
  return std::make_unique<CheckBoxPeer>(control);
}

}  // namespace fw::qt
