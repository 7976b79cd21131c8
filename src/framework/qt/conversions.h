#pragma once

#include <QColor>
#include <QString>
#include <string>

#include "framework/types.h"

namespace fw::qt {

// A framework text for display: UTF-8, with CR, LF or CR LF as line breaks.
QString DisplayText(const std::string& text);

// A button's or a box's caption as it is: Qt would take a single '&' for a mnemonic.
QString CaptionText(const std::string& caption);

inline QColor ToQColor(const Color& c) {
  return QColor(c.red, c.green, c.blue);
}

}  // namespace fw::qt
