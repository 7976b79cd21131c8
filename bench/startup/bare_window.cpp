// The yardsticks of the start-up benchmark: a bare Qt Widgets program that shows one empty
// window of the start window's size; with --text, the window holds one line of Japanese
// text, which makes Qt set up its fonts before the window can be drawn.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "bench/startup/first_window_probe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  FirstWindowProbe probe([] { QCoreApplication::quit(); });
  app.installEventFilter(&probe);
  QWidget window;
  window.setFixedSize(339, 508);
  window.setWindowTitle(QStringLiteral("bare"));
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
    auto* label = new QLabel(QString::fromUtf8("ヌピレオ設定"), &window);
    label->move(10, 10);
  }
  window.show();
  return app.exec();
}
