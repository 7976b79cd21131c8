#include "framework/qt/conversions.h"

namespace fw::qt {

QString DisplayText(const std::string& text) {
  QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return result;
}

QString CaptionText(const std::string& caption) {
  return DisplayText(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace fw::qt
