#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <filesystem>

#include "framework/qt/picture_decoder.h"
#include "qt_fixture.h"

namespace qttest {
namespace {

class PictureDecoder : public QtTest {
 protected:
  std::filesystem::path Write(const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path.toStdString();
  }

  static QByteArray Encoded(const char* format, int width = 32, int height = 24) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 30));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes;
  }

  QTemporaryDir dir;
};

TEST_F(PictureDecoder, DecodesJpegAndPngIntoAQImage) {
  for (const char* format : {"JPEG", "PNG"}) {
    auto picture = fw::qt::DecodePicture(Write("picture", Encoded(format, 320, 265)));
    ASSERT_NE(picture, nullptr) << format;
    EXPECT_EQ(picture->Width(), 320);
    EXPECT_EQ(picture->Height(), 265);
    auto image = std::static_pointer_cast<const QImage>(picture->Native());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), QSize(320, 265));
  }
}

TEST_F(PictureDecoder, FilesThatAreNoWholePictureGiveNone) {
  const QByteArray jpeg = Encoded("JPEG", 320, 265);
  const QByteArray png = Encoded("PNG", 320, 265);
  struct Case {
    const char* what;
    QByteArray bytes;
  };
  const Case cases[] = {
      {"empty", {}},
      {"text", "not a picture at all\n"},
      {"jpeg cut in its scan", jpeg.left(jpeg.size() * 2 / 3)},
      {"jpeg without its end marker", jpeg.left(jpeg.size() - 2)},
      {"jpeg cut in its header", jpeg.left(40)},
      {"png cut in its data", png.left(png.size() / 2)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fw::qt::DecodePicture(Write("picture", c.bytes)), nullptr) << c.what;
  }
  EXPECT_EQ(fw::qt::DecodePicture(dir.filePath(QStringLiteral("missing.jpg")).toStdString()),
            nullptr);
}

TEST_F(PictureDecoder, AHugePictureIsRefusedBeforeItIsAllocated) {
  // A whole small JPEG whose frame header claims 60000 x 60000 pixels (about 14 GB decoded).
  QByteArray jpeg = Encoded("JPEG", 8, 8);
  const int frame = jpeg.indexOf("\xFF\xC0");
  ASSERT_GT(frame, 0);
  for (int at : {frame + 5, frame + 7}) {
    jpeg[at] = char(0xEA);
    jpeg[at + 1] = char(0x60);
  }
  ASSERT_TRUE(fw::qt::JpegComplete(jpeg));
  EXPECT_EQ(fw::qt::DecodePicture(Write("huge.jpg", jpeg)), nullptr);
}

TEST(JpegComplete, FollowsSegmentsAndScans) {
  const unsigned char whole[] = {0xFF, 0xD8,                          // start
                                 0xFF, 0xE0, 0x00, 0x04, 0xFF, 0xD9,  // a segment holding FF D9
                                 0xFF, 0xDA, 0x00, 0x02,              // scan header
                                 0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD0,
                                 0x56,  // data, stuffing, restart
                                 0xFF, 0xD9};
  const QByteArray data(reinterpret_cast<const char*>(whole), sizeof whole);
  EXPECT_TRUE(fw::qt::JpegComplete(data));
  for (qsizetype cut = 0; cut < data.size(); ++cut) {
    EXPECT_FALSE(fw::qt::JpegComplete(data.left(cut))) << cut;
  }
}

TEST_F(PictureDecoder, ImageWellDrawsThePicture) {
  auto window = ShowWindow(339, 508);
  fw::ImageWell& well = Add<fw::ImageWell>(*window, "ImageWell1", 8, 6, 320, 265);
  fw::SetExecutablePath(std::filesystem::path(dir.path().toStdString()) / "bin" / "program");
  ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Resources")));
  Write("Resources/R0026477.JPG", Encoded("JPEG", 320, 265));
  auto resources = fw::GetApplicationBundleResources();
  ASSERT_NE(resources, nullptr);
  well.SetImage(fw::Nil(resources->Child("R0026477.JPG").get()).OpenAsPicture());
  ASSERT_NE(well.Image(), nullptr);
  const QColor centre = WidgetOf(well)->grab().toImage().pixelColor(160, 132);
  EXPECT_NEAR(centre.red(), 200, 8);
  EXPECT_NEAR(centre.green(), 40, 8);
  fw::SetExecutablePath({});

  well.SetImage(nullptr);
  EXPECT_NE(WidgetOf(well)->grab().toImage().pixelColor(160, 132).red(), centre.red());
}

}  // namespace
}  // namespace qttest
