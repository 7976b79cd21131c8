#include "framework/qt/platform.h"

#include <QFont>
#include <QStyle>
#include <QStyleFactory>
#include <stdexcept>

#include "framework/qt/display_guard.h"
#include "framework/qt/picture_decoder.h"
#include "framework/qt/qt_loop.h"
#include "framework/window.h"

namespace fw::qt {

namespace {
Platform* g_current = nullptr;

// Named so that Japanese text and screenshots look the same on every machine.
constexpr const char* kFontFamily = "IPAGothic";
constexpr int kFontPixels = 12;

void DropAllPeers() {
  for (const std::shared_ptr<Window>& window : Windows())
    window->DropPeers();
  if (fw::Application* application = TheApplication()) application->DropPeer();
}
}  // namespace

Platform::Platform(int& argc, char** argv) {
  if (g_current != nullptr) throw std::logic_error("one Qt platform per process");
  {
    // A display that cannot be reached ends the process here, with a line and status 1.
    DisplayGuard guard(argc, argv);
    app_ = std::make_unique<GuardedApplication>(argc, argv);
  }
  // The xcb plugin switches merging of motion events on while the application is
  // constructed, so this must come after it; a merged move would be a lost step.
  QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
  if (QCoreApplication::testAttribute(Qt::AA_CompressHighFrequencyEvents)) {
    throw std::runtime_error("pointer motion events are still merged");
  }
  // The framework decides when the run ends (a window's close box included).
  QApplication::setQuitOnLastWindowClosed(false);
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
    QApplication::setStyle(style);
    QApplication::setPalette(style->standardPalette());
  }
  QFont font(QString::fromLatin1(kFontFamily));
  font.setPixelSize(kFontPixels);
  // The system's texts need no shaping (no ligatures, no kerning in this font): skipping it
  // takes a third off drawing a new description, with the same pixels.
  font.setStyleStrategy(QFont::PreferNoShaping);
  QApplication::setFont(font);
  KeepRunIn(&run_);
  g_current = this;
  Install();
}

Platform::~Platform() {
  // The run's objects let go of their widgets, then go themselves while the loop still
  // lives; no widget may outlive the application.
  DropAllPeers();
  run_.Release();
  Uninstall();
  KeepRunIn(nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  app_.reset();
  g_current = nullptr;
}

void Platform::Install() {
  SetPeerFactory(&factory_);
  SetEventLoop(std::make_unique<QtLoop>(*app_));
  SetPictureDecoder(&DecodePicture);
}

void Platform::Uninstall() {
  if (ActivePeerFactory() == &factory_) SetPeerFactory(nullptr);
  if (dynamic_cast<QtLoop*>(InstalledLoop()) != nullptr) SetEventLoop(nullptr);
  SetPictureDecoder(nullptr);
}

Platform* Platform::Current() {
  return g_current;
}

}  // namespace fw::qt
