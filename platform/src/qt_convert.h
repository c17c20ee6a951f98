// Conversions between the program's values and Qt's, for the platform's own sources.
#pragma once

#include <QColor>
#include <QString>
#include <string_view>

#include "platform/encoding.h"

namespace qiro {

// Windows-1252 bytes as a Qt string.
inline QString qtString(std::string_view bytes) {
  const std::u16string wide = utf16FromWindows1252(bytes);
  return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

// A 0x00BBGGRR colour value.
inline QColor qtColour(unsigned int colour) {
  return QColor(static_cast<int>(colour & 0xFFU), static_cast<int>((colour >> 8) & 0xFFU),
                static_cast<int>((colour >> 16) & 0xFFU));
}

inline unsigned int colourOf(QRgb rgb) {
  return static_cast<unsigned int>(qRed(rgb)) | static_cast<unsigned int>(qGreen(rgb)) << 8 |
         static_cast<unsigned int>(qBlue(rgb)) << 16;
}

}  // namespace qiro
