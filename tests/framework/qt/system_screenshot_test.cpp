#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTimer>

#include "app/menu_bar1.h"
#include "app/startup.h"
#include "qt_fixture.h"
#include "system_drive.h"

namespace qttest {
namespace {

constexpr const char* kStart = "Startform.Startform";
constexpr const char* kSettings = "Setform.Setform";

// Pictures of both windows for the documentation, taken on every run: the start window
// before and after a read-out, the settings window after it and after a stray pointer.
class Screenshots : public QtTest {
 protected:
  void TearDown() override {
    app::MenuBar1::_implicitInstance.Exit();
    QtTest::TearDown();
  }

  static QImage Take(const char* window, const char* file) {
    const QImage image = WidgetOf(WindowNamed(window))->grab().toImage();
    const QDir dir(QStringLiteral(NUPIREO_SCREENSHOT_DIR));
    EXPECT_TRUE(dir.mkpath(QStringLiteral(".")));
    EXPECT_TRUE(image.save(dir.filePath(QString::fromLatin1(file)), "PNG")) << file;
    return image;
  }

  // Whether the area holds text or lines of that colour, not only background.
  static bool Holds(const QImage& image, QRect area, QColor ink) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        const QColor c = image.pixelColor(x, y);
        if (std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green()) +
                std::abs(c.blue() - ink.blue()) <
            60) {
          return true;
        }
      }
    }
    return false;
  }
};

TEST_F(Screenshots, BothWindowsBeforeAndAfterAReadOutAndAStrayPointer) {
  Panel panel;
  Script script;
  script
      .Then([] {
        const QImage start = Take(kStart, "startform.png");
        EXPECT_EQ(start.size(), QSize(339, 508));
        // The instructions in blue on the yellow panel, the caption on the button.
        EXPECT_EQ(start.pixelColor(12, 370), QColor(240, 255, 88));
        EXPECT_TRUE(Holds(start, {8, 281, 320, 73}, QColor(0, 0, 255)));
        EXPECT_TRUE(Holds(start, {60, 430, 120, 50}, Qt::black));
        // The picture.
        EXPECT_TRUE(Holds(start, {100, 100, 120, 100}, QColor(240, 70, 50)));
      })
      .Then([] { ReadoutThroughButton(Version45Bits()); })
      .Then(
          [] {
            const QImage start = Take(kStart, "startform_after_readout.png");
            // The bar stands at its end.
            EXPECT_TRUE(Holds(start, {300, 298, 14, 10},
                              QApplication::palette().color(QPalette::Highlight)));
            const QImage settings = Take(kSettings, "setform.png");
            EXPECT_EQ(settings.size(), QSize(724, 540));
            EXPECT_EQ(settings.pixelColor(30, 500), QColor(255, 255, 255));
            EXPECT_TRUE(Holds(settings, {25, 412, 600, 40}, Qt::black));
          },
          600)
      .Then([&] {
        panel.MoveTo({300, 50});
        panel.MoveTo({330, 50});
        const QImage settings = Take(kSettings, "setform_stray_pointer.png");
        EXPECT_EQ(settings.pixelColor(30, 500), QColor(255, 80, 160));
        fw::Quit(0);
      });
  script.Start();
  EXPECT_EQ(app::main(), 0);
  EXPECT_TRUE(script.Finished());
}

}  // namespace
}  // namespace qttest
