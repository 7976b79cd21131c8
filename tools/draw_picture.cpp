// Draws the start window's picture: the single-switch mouse with its big round switch, its
// cable, and the pointer it moves. Usage: draw_picture OUTPUT.JPG
#include <QCoreApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 265;

void DrawBackground(QPainter& p) {
  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0.0, QColor(214, 236, 255));
  sky.setColorAt(1.0, QColor(250, 252, 255));
  p.fillRect(0, 0, kWidth, kHeight, sky);
  // The desk the device lies on.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(226, 232, 240));
  p.drawEllipse(QRectF(40, 205, 240, 44));
}

void DrawCable(QPainter& p) {
  QPainterPath cable(QPointF(160, 78));
  cable.cubicTo(QPointF(160, 40), QPointF(230, 50), QPointF(250, 12));
  cable.lineTo(QPointF(262, -4));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(90, 96, 110), 6, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(cable);
}

void DrawBody(QPainter& p) {
  const QRectF body(70, 70, 180, 150);
  QLinearGradient shade(body.topLeft(), body.bottomLeft());
  shade.setColorAt(0.0, QColor(255, 255, 255));
  shade.setColorAt(1.0, QColor(205, 212, 224));
  p.setBrush(shade);
  p.setPen(QPen(QColor(120, 128, 145), 3));
  p.drawRoundedRect(body, 60, 60);
}

void DrawSwitch(QPainter& p) {
  const QPointF centre(160, 145);
  // The rim, then the switch itself lit from the upper left.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 40, 30));
  p.drawEllipse(centre, 56, 56);
  QRadialGradient cap(centre + QPointF(-16, -18), 70);
  cap.setColorAt(0.0, QColor(255, 170, 140));
  cap.setColorAt(0.5, QColor(240, 70, 50));
  cap.setColorAt(1.0, QColor(190, 40, 30));
  p.setBrush(cap);
  p.drawEllipse(centre, 50, 50);
  p.setBrush(QColor(255, 255, 255, 110));
  p.drawEllipse(QRectF(128, 108, 30, 18));
}

void DrawPointer(QPainter& p) {
  QPainterPath arrow;
  arrow.moveTo(268, 150);
  arrow.lineTo(268, 186);
  arrow.lineTo(277, 178);
  arrow.lineTo(284, 194);
  arrow.lineTo(290, 191);
  arrow.lineTo(283, 176);
  arrow.lineTo(295, 176);
  arrow.closeSubpath();
  p.setBrush(Qt::white);
  p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawPath(arrow);
  // The little steps the device moves it by.
  p.setPen(QPen(QColor(40, 110, 220), 3, Qt::DotLine, Qt::RoundCap));
  p.drawLine(QPointF(262, 140), QPointF(232, 120));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.JPG\n", argv[0]);
    return 2;
  }
  // The JPEG writer is a plug-in, which Qt finds through the application object.
  QCoreApplication app(argc, argv);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawBackground(p);
    DrawCable(p);
    DrawBody(p);
    DrawSwitch(p);
    DrawPointer(p);
  }
  if (!image.save(QString::fromLocal8Bit(argv[1]), "JPEG", 90)) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
