#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "design/property_list.h"
#include "framework/framework.h"
#include "support/headless.h"

namespace designtest {

// Bytes from text such as "4D 6F 64 65 20"; a quoted part is taken as its bytes.
inline design::Bytes Hex(std::string_view text) {
  design::Bytes bytes;
  for (std::size_t k = 0; k < text.size();) {
    if (text[k] == ' ') {
      ++k;
    } else if (text[k] == '"') {
      std::size_t end = text.find('"', k + 1);
      bytes.insert(bytes.end(), text.begin() + k + 1, text.begin() + end);
      k = end + 1;
    } else {
      bytes.push_back(static_cast<std::uint8_t>(
          std::strtoul(std::string(text.substr(k, 2)).c_str(), nullptr, 16)));
      k += 2;
    }
  }
  return bytes;
}

// Where `part` first occurs in `list`, or list.size().
inline std::size_t Find(const design::Bytes& list, const design::Bytes& part) {
  return static_cast<std::size_t>(std::search(list.begin(), list.end(), part.begin(), part.end()) -
                                  list.begin());
}

inline std::string Text(const design::Bytes& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

// The writes traced, as "Prop=value" joined by spaces.
inline std::string Writes(const testsupport::TraceRecorder& trace) {
  std::string text;
  for (const auto& w : trace.writes)
    text += (text.empty() ? "" : " ") + w.prop + "=" + w.value;
  return text;
}

// A headless window of a plain test class, "Test.Form", with the panel Rectangle1 already
// registered, for controls to be created in.
class FormTest : public testsupport::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    form = fw::CreateWindowObject<fw::Window>(FormClass());
    form->AddControl("Rectangle1", form->New<fw::Rectangle>());
  }

  template <class T>
  T& Add(const std::string& name) {
    form->AddControl(name, form->New<T>());
    return fw::Cast<T>(*form->ControlByName(name));
  }

  static const fw::ClassInfo& FormClass() {
    static const fw::ClassInfo info = fw::DeriveClass("Test.Form", fw::WindowClass());
    return info;
  }

  std::shared_ptr<fw::Window> form;
};

}  // namespace designtest
