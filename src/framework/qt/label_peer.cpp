#include <QLabel>

#include "framework/qt/control_kinds.h"
#include "framework/qt/control_peer.h"
#include "framework/qt/conversions.h"

namespace fw::qt {

namespace {
// A label is always drawn see-through, on its container: the designs overlap labels (a value
// label over the end of its scale label, the description over all but one column of its
// panel) and count on seeing what lies beneath. Transparent is kept by the framework only.
class LabelPeer : public ControlPeer {
 public:
  explicit LabelPeer(Label& control) : ControlPeer(control, new QLabel()), control_(control) {
    Text()->setTextFormat(Qt::PlainText);
    Text()->setAutoFillBackground(false);
    ApplyAll();
  }

 protected:
  void Apply(Prop prop) override {
    switch (prop) {
      case Prop::Text:
        Text()->setText(DisplayText(control_.Text()));
        break;
      case Prop::TextAlign:
        Text()->setAlignment(Horizontal(control_.TextAlign()) | Qt::AlignTop);
        break;
      case Prop::TextColor: {
        QPalette palette = Text()->palette();
        // A disabled label keeps the style's grey.
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
          palette.setColor(group, QPalette::WindowText, ToQColor(control_.TextColor()));
        }
        Text()->setPalette(palette);
        break;
      }
      case Prop::MultiLine:
        Text()->setWordWrap(control_.MultiLine());
        break;
      default:
        if (IsFontProp(prop)) Text()->setFont(FontOf(control_));
        break;
    }
  }

 private:
  static Qt::Alignment Horizontal(Int32 align) {
    switch (align) {
      case 1:
        return Qt::AlignHCenter;
      case 2:
        return Qt::AlignRight;
      default:
        return Qt::AlignLeft;
    }
  }
  QLabel* Text() const { return static_cast<QLabel*>(Widget()); }
  Label& control_;
};
}  // namespace

std::unique_ptr<Peer> MakeLabelPeer(Label& control) {
  return std::make_unique<LabelPeer>(control);
}

}  // namespace fw::qt
