#pragma once

#include "framework/framework.h"

namespace app {

// The application class "App". It handles none of the application's events.
class App : public fw::Application {
 public:
  void Constructor() {}

  // The class declaration, built once.
  static void ctblinit();
  static const fw::ClassInfo& Lookup();
};

}  // namespace app
