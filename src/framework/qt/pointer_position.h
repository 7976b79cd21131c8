#pragma once

#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "framework/types.h"

namespace fw::qt {

// A pointer position as the handlers get it: screen pixels from the widget's top-left corner.
//
// The device moves the pointer one screen pixel at a time and only the signs of the changes
// carry its code. On a scaled screen Qt's positions are logical (a pixel is half a unit at 2x,
// two thirds at 1.5x), and a widget's mouse event carries them rounded to whole units, which
// merges and drops steps. In screen pixels every move of one pixel changes X or Y by one with
// its true sign, at any scale. At scale 1 this is the widget-relative position Qt gives.
//
// At a fractional scale a widget's edge can fall inside a screen pixel (7 units are 10.5
// pixels at 1.5x). Qt hit-tests in rounded units and can give the widget a pointer in the pixel
// just outside that edge, which then comes out as -1. That is harmless: the handlers use only
// the differences between positions, and those stay exact.
struct ScreenPixels {
  Int32 x = 0;
  Int32 y = 0;
};

// The position of the last pointer event that a window received, kept before Qt hands the
// event on to a widget: only there is it unrounded. The widget's own event carries it rounded;
// its scenePosition() is unrounded but was measured wrong on the first move into a newly shown
// window, so it cannot take the place of this. The application shows it every event it
// delivers, to top-level and native child windows alike.
class PointerTrack {
 public:
  // Keeps the position if `event` is a pointer event and `receiver` a window.
  void Saw(QObject& receiver, const QEvent& event);

  // The position of `event`, received by `widget`, in screen pixels.
  ScreenPixels Position(const QWidget& widget, const QMouseEvent& event) const;

 private:
  // The kept position if Qt rounded `rounded`, a position in the kept window's whole units,
  // from it; otherwise `rounded`.
  QPointF Unrounded(QPointF rounded) const;

  QPointer<QWindow> window_;
  QPointF at_;
};

// The position of `event`, received by `widget`, in screen pixels, from the running
// application's PointerTrack.
ScreenPixels ScreenPixelPosition(const QWidget& widget, const QMouseEvent& event);

}  // namespace fw::qt
