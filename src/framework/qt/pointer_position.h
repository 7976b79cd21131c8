#pragma once

#include <QMouseEvent>
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
struct ScreenPixels {
  Int32 x = 0;
  Int32 y = 0;
};

// Makes `window` keep the position of each pointer event it receives, before Qt hands the
// event on to a widget: only there is it unrounded. Once per top-level window.
void TrackPointer(QWindow& window);

// The position of `event`, received by `widget`, in screen pixels.
ScreenPixels ScreenPixelPosition(const QWidget& widget, const QMouseEvent& event);

}  // namespace fw::qt
