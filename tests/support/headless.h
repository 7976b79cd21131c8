#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/framework.h"

namespace testsupport {

// One write seen by the trace: window full name, control name ("" for the window),
// property name and the value's text form (True, 42, #FF50F0, "text").
struct TracedWrite {
  std::string window;
  std::string control;
  std::string prop;
  std::string value;
  friend bool operator==(const TracedWrite&, const TracedWrite&) = default;
};
std::ostream& operator<<(std::ostream& out, const TracedWrite& w);

// Records every property write while installed.
class TraceRecorder : public fw::WriteTrace {
 public:
  TraceRecorder() { fw::SetWriteTrace(this); }
  ~TraceRecorder() override { fw::SetWriteTrace(nullptr); }
  void Record(const std::string& window, const std::string& control, fw::Prop prop,
              const fw::PropValue& value) override;
  std::vector<TracedWrite> writes;
};

// A clean headless framework and settings model for each test: no peers, a fresh loop with
// its virtual clock at 0, no windows, the model at its initial values.
class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  static fw::HeadlessLoop& Clock() { return *fw::Headless(); }
};

}  // namespace testsupport
