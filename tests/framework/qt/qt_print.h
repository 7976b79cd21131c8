#pragma once

#include <QPoint>
#include <QSize>
#include <ostream>

// How GoogleTest prints Qt's points and sizes in a failure.
inline void PrintTo(const QPoint& point, std::ostream* out) {
  *out << '(' << point.x() << ", " << point.y() << ')';
}

inline void PrintTo(const QSize& size, std::ostream* out) {
  *out << size.width() << 'x' << size.height();
}
