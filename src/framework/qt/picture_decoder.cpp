#include "framework/qt/picture_decoder.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>

namespace fw::qt {

namespace {
bool IsStandalone(unsigned char marker) {
  return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}
}  // namespace

bool JpegComplete(const QByteArray& data) {
  const auto* p = reinterpret_cast<const unsigned char*>(data.constData());
  const std::size_t n = static_cast<std::size_t>(data.size());
  if (n < 4 || p[0] != 0xFF || p[1] != 0xD8) return false;
  std::size_t i = 2;
  while (true) {
    // Bytes between segments are tolerated, as the decoder does; fill bytes precede a marker.
    while (i < n && p[i] != 0xFF)
      ++i;
    while (i < n && p[i] == 0xFF)
      ++i;
    if (i >= n) return false;
    const unsigned char marker = p[i++];
    if (marker == 0xD9) return true;
    if (IsStandalone(marker)) continue;
    if (n - i < 2) return false;
    const std::size_t length = (std::size_t{p[i]} << 8) | p[i + 1];
    if (length < 2 || length > n - i) return false;
    i += length;
    if (marker != 0xDA) continue;
    // Entropy-coded data: a 0xFF in it is followed by a stuffed 0x00 or a restart marker.
    while (true) {
      if (n - i < 2) return false;
      if (p[i] == 0xFF && p[i + 1] != 0x00 && !IsStandalone(p[i + 1]) && p[i + 1] != 0xFF) break;
      ++i;
    }
  }
}

std::shared_ptr<Picture> DecodePicture(const std::filesystem::path& path) {
  QFile file(QString::fromStdString(path.string()));
  if (!file.open(QIODevice::ReadOnly) || file.size() <= 0 || file.size() > kMaxPictureFileBytes) {
    return nullptr;
  }
  const QByteArray data = file.read(kMaxPictureFileBytes + 1);
  if (data.isEmpty() || data.size() > kMaxPictureFileBytes) return nullptr;

  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader::setAllocationLimit(kMaxPictureMegabytes);
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  const QByteArray format = reader.format();
  if (format.isEmpty()) return nullptr;
  if (format == "jpeg" && !JpegComplete(data)) return nullptr;

  auto image = std::make_shared<QImage>();
  if (!reader.read(image.get()) || image->isNull()) return nullptr;
  const Int32 width = image->width();
  const Int32 height = image->height();
  return std::make_shared<Picture>(width, height, std::shared_ptr<const QImage>(std::move(image)));
}

}  // namespace fw::qt
