#include "system_drive.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "app/menu_bar1.h"
#include "app/startup.h"
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

void ProgramRun::TearDown() {
  app::MenuBar1::_implicitInstance.Exit();
  QtTest::TearDown();
}

fw::Int32 ProgramRun::Run(Script& script, bool toTheEnd) {
  script.Start();
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] {
    ADD_FAILURE() << "the program did not end";
    fw::Quit(0);
  });
  watchdog.start(20000);
  const fw::Int32 status = app::main();
  EXPECT_EQ(script.Finished(), toTheEnd);
  return status;
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
