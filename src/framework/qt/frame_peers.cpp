#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QPainter>

#include "framework/files.h"
#include "framework/qt/control_kinds.h"
#include "framework/qt/control_peer.h"
#include "framework/qt/conversions.h"

namespace fw::qt {

namespace {
// A filled rectangle with an optional border: the top and left edges in one colour, the
// bottom and right edges in another.
class RectangleWidget : public QWidget {
 public:
  explicit RectangleWidget(const Rectangle& control) : control_(control) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(control_.FillColor()));
    const int border = std::clamp(control_.BorderWidth(), 0, std::min(width(), height()) / 2);
    if (border == 0) return;
    const QColor topLeft = ToQColor(control_.TopLeftColor());
    const QColor bottomRight = ToQColor(control_.BottomRightColor());
    painter.fillRect(0, 0, width(), border, topLeft);
    painter.fillRect(0, 0, border, height(), topLeft);
    painter.fillRect(0, height() - border, width(), border, bottomRight);
    painter.fillRect(width() - border, 0, border, height(), bottomRight);
  }

 private:
  const Rectangle& control_;
};

class RectanglePeer : public ControlPeer {
 public:
  explicit RectanglePeer(Rectangle& control) : ControlPeer(control, new RectangleWidget(control)) {
    ApplyAll();
  }

 protected:
  void Apply(Prop prop) override {
    if (prop == Prop::FillColor || prop == Prop::BorderWidth || prop == Prop::TopLeftColor ||
        prop == Prop::BottomRightColor) {
      Widget()->update();
    }
  }
};

// The picture, centred and unscaled; none for a picture that carries no image of this
// platform.
class ImageWellWidget : public QWidget {
 public:
  void SetImage(std::shared_ptr<const QImage> image) {
    image_ = std::move(image);
    update();
  }
  const QImage* Image() const { return image_.get(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!image_ || image_->isNull()) return;
    QPainter painter(this);
    QRect target(QPoint(0, 0), image_->size());
    target.moveCenter(rect().center());
    painter.drawImage(target.topLeft(), *image_);
  }

 private:
  std::shared_ptr<const QImage> image_;
};

class ImageWellPeer : public ControlPeer {
 public:
  explicit ImageWellPeer(ImageWell& control)
      : ControlPeer(control, new ImageWellWidget()), control_(control) {
    ApplyAll();
  }

 protected:
  void Apply(Prop prop) override {
    if (prop != Prop::Image) return;
    const std::shared_ptr<Picture>& picture = control_.Image();
    // Pictures come from this platform's decoder, whose native image is a QImage.
    std::shared_ptr<const QImage> image;
    if (picture && picture->Native()) {
      image = std::static_pointer_cast<const QImage>(picture->Native());
    }
    static_cast<ImageWellWidget*>(Widget())->SetImage(std::move(image));
  }

 private:
  ImageWell& control_;
};

class SeparatorPeer : public ControlPeer {
 public:
  explicit SeparatorPeer(Separator& control)
      : ControlPeer(control, new QFrame()), control_(control) {
    Line()->setFrameShadow(QFrame::Sunken);
    ApplyAll();
  }

 protected:
  void Apply(Prop prop) override {
    if (prop == Prop::Width || prop == Prop::Height) {
      Line()->setFrameShape(control_.Width() >= control_.Height() ? QFrame::HLine : QFrame::VLine);
    }
  }

 private:
  QFrame* Line() const { return static_cast<QFrame*>(Widget()); }
  Separator& control_;
};

class GroupBoxPeer : public ControlPeer {
 public:
  explicit GroupBoxPeer(GroupBox& control)
      : ControlPeer(control, new QGroupBox()), control_(control) {
    ApplyAll();
  }

 protected:
  void Apply(Prop prop) override {
    if (prop == Prop::Caption) {
      Box()->setTitle(CaptionText(control_.Caption()));
    } else if (IsFontProp(prop)) {
      Box()->setFont(FontOf(control_));
    }
  }

 private:
  QGroupBox* Box() const { return static_cast<QGroupBox*>(Widget()); }
  GroupBox& control_;
};
}  // namespace

std::unique_ptr<Peer> MakeRectanglePeer(Rectangle& control) {
  return std::make_unique<RectanglePeer>(control);
}

std::unique_ptr<Peer> MakeImageWellPeer(ImageWell& control) {
  return std::make_unique<ImageWellPeer>(control);
}

std::unique_ptr<Peer> MakeSeparatorPeer(Separator& control) {
  return std::make_unique<SeparatorPeer>(control);
}

std::unique_ptr<Peer> MakeGroupBoxPeer(GroupBox& control) {
  return std::make_unique<GroupBoxPeer>(control);
}

}  // namespace fw::qt
