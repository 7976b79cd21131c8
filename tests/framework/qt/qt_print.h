#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <ostream>

// How GoogleTest prints Qt's points, sizes and rectangles in a failure.
inline void PrintTo(const QPoint& point, std::ostream* out) {
  *out << '(' << point.x() << ", " << point.y() << ')';
}

inline void PrintTo(const QSize& size, std::ostream* out) {
  *out << size.width() << 'x' << size.height();
}

inline void PrintTo(const QRect& rect, std::ostream* out) {
  PrintTo(rect.topLeft(), out);
  *out << ' ';
  PrintTo(rect.size(), out);
}
