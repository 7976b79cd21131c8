#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>

namespace fw {

using Int32 = std::int32_t;

// The base of every exception the framework raises.
class RuntimeException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Calls `routine(argument)`; gives the RuntimeException that left it, or nullptr.
using ExceptionHelper = std::exception_ptr (*)(void (*routine)(void*), void* argument);

// Raised by the nil test on every use of an empty reference.
class NilObjectException : public RuntimeException {
 public:
  NilObjectException() : RuntimeException("NilObjectException") {}
  explicit NilObjectException(const std::string& what)
      : RuntimeException("NilObjectException: " + what) {}
};

// Raised by the class-testing cast for an object of another class.
class IllegalCastException : public RuntimeException {
 public:
  explicit IllegalCastException(const std::string& what)
      : RuntimeException("IllegalCastException: " + what) {}
};

// An opaque colour; the three components in red, green, blue order.
struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

// An opaque colour from red, green and blue 0..255; the fourth argument (alpha) must be 0.
Color RGB(Int32 red, Int32 green, Int32 blue, Int32 alpha = 0);

// Plain decimal text of an integer: no leading zeros, no blanks.
std::string Str(Int32 value);

// The platform's line end.
const std::string& EndOfLine();

double Abs(double value);

// The nil test: gives the referenced object or raises NilObjectException.
template <class T>
T& Nil(T* p) {
  if (p == nullptr) throw NilObjectException();
  return *p;
}

// A reference that runs the nil test on every use: `ref->Property()` raises
// NilObjectException when the reference is empty.
template <class T>
class Ref {
 public:
  Ref() = default;
  Ref(T* p) : p_(p) {}  // NOLINT: implicit, like a plain pointer
  T* operator->() const { return &Nil(p_); }
  T& operator*() const { return Nil(p_); }
  T* get() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

}  // namespace fw
