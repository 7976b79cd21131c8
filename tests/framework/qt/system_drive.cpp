#include "system_drive.h"

#include <QTest>
#include <QTimer>

#include "qt_fixture.h"
#include "support/device_sim.h"

namespace qttest {

void Script::RunFrom(std::size_t index) {
  if (index >= steps_.size()) {
    finished_ = true;
    return;
  }
  QTimer::singleShot(steps_[index].first, &context_, [this, index] {
    steps_[index].second();
    RunFrom(index + 1);
  });
}

fw::Window& WindowNamed(const char* fullName) {
  return fw::Nil(fw::GetImplicitWindow(fullName).get());
}

QWindow* HandleNamed(const char* fullName) {
  return HandleOf(WindowNamed(fullName));
}

void ReadoutThroughButton(const std::vector<int>& bits) {
  fw::Window& start = WindowNamed("Startform.Startform");
  const fw::Control& button = *start.Get<fw::PushButton>("PushButton1");
  QWindow* handle = HandleOf(start);
  const QPoint origin = InWindow(button, 0, 0);
  // The click lands one pixel below the centre, so that the move to the centre that sets the
  // read-out's reference position is a real move.
  const QPoint click =
      origin + QPoint(testsupport::kButtonCentre.x, testsupport::kButtonCentre.y + 1);
  QTest::mouseMove(handle, click);
  QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, click);
  for (const testsupport::Point& p : testsupport::ReadoutMoves(bits)) {
    QTest::mouseMove(handle, origin + QPoint(p.x, p.y));
  }
}

void Panel::MoveTo(QPoint at) {
  fw::Window& settings = WindowNamed("Setform.Setform");
  at_ = at;
  QTest::mouseMove(HandleOf(settings),
                   InWindow(*settings.Get<fw::Label>("StaticText1"), at.x(), at.y()));
}

void Panel::Steps(const std::vector<QPoint>& steps) {
  for (const QPoint& step : steps)
    MoveTo(at_ + step);
}

std::vector<int> Version45Bits() {
  std::vector<int> bits(41, 0);
  bits[0] = 1;  // minor version 4 + 1
  bits[5] = 1;  // major version 2 + 2
  for (int n : {9, 14, 17, 22, 26, 33, 36, 39})
    bits[n] = 1;
  return bits;
}

}  // namespace qttest
