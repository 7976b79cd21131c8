#pragma once

#include <QByteArray>
#include <filesystem>
#include <memory>

#include "framework/files.h"

namespace fw::qt {

// The largest picture file read, and the most memory one decoded picture may take.
inline constexpr qint64 kMaxPictureFileBytes = 32 * 1024 * 1024;
inline constexpr int kMaxPictureMegabytes = 64;

// Decodes a picture file with Qt's image readers. A missing, empty, oversized, unreadable or
// truncated file, or one that is no picture, gives nullptr. The picture's native image is a
// std::shared_ptr<const QImage>.
std::shared_ptr<Picture> DecodePicture(const std::filesystem::path& path);

// Whether JPEG data runs from its start marker through every segment and scan to its end
// marker. Qt shows a truncated JPEG with its missing part grey and reports no error.
bool JpegComplete(const QByteArray& data);

}  // namespace fw::qt
