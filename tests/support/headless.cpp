#include "support/headless.h"

#include <memory>
#include <ostream>

#include "model/module1.h"

namespace testsupport {

std::ostream& operator<<(std::ostream& out, const TracedWrite& w) {
  return out << w.window << "/" << w.control << "." << w.prop << "=" << w.value;
}

void TraceRecorder::Record(const std::string& window, const std::string& control, fw::Prop prop,
                           const fw::PropValue& value) {
  writes.push_back({window, control, std::string(fw::PropName(prop)), fw::PropValueText(value)});
}

void HeadlessTest::SetUp() {
  fw::SetWriteTrace(nullptr);
  fw::SetPeerFactory(nullptr);
  fw::ReleaseWindows();
  fw::SetEventLoop(std::make_unique<fw::HeadlessLoop>());
  fw::RuntimeInit();
  fw::InitializeFrameworkClasses();
  Module1::initialize();
}

void HeadlessTest::TearDown() {
  fw::SetWriteTrace(nullptr);
  fw::ReleaseWindows();
  Module1::finalize();
}

}  // namespace testsupport
