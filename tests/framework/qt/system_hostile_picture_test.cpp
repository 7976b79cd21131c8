#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <ostream>

#include "framework/qt/picture_decoder.h"
#include "qt_fixture.h"
#include "readout/picture.h"
#include "readout/startform.h"
#include "support/case_name.h"

namespace qttest {
namespace {

using testsupport::PrintTo;

using StartWindow = class readout::Startform;

QByteArray Encoded(const char* format, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(QColor(40, 120, 200));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, format));
  return bytes;
}

// A small JPEG whose frame header claims 60000 x 60000 pixels.
QByteArray ClaimsToBeHuge() {
  QByteArray jpeg = Encoded("JPEG", 16, 16);
  const int frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
  EXPECT_GT(frame, 0);
  // Marker, 2-byte length, precision, then height and width, each big-endian.
  for (int at : {frame + 5, frame + 7}) {
    jpeg[at] = static_cast<char>(0xEA);
    jpeg[at + 1] = static_cast<char>(0x60);
  }
  return jpeg;
}

struct PictureCase {
  const char* name;
  // The file's bytes; nullptr: no file at all.
  QByteArray (*bytes)();
  bool shows;
};

// Whatever lies in Resources/ under the picture's name, the start window opens complete; the
// picture shows or the well stays empty, and no decoded picture exceeds the decoder's limit.
class HostilePicture : public QtTest, public ::testing::WithParamInterface<PictureCase> {
 protected:
  void SetUp() override {
    QtTest::SetUp();
    readout::ResetPictureCache();
    ASSERT_TRUE(dir_.isValid());
    root_ = dir_.path().toStdString();
    std::filesystem::create_directories(root_ / "bin");
    std::filesystem::create_directories(root_ / "Resources");
    fw::SetExecutablePath(root_ / "bin" / "nupireo-settings");
  }
  void TearDown() override {
    fw::SetExecutablePath({});
    readout::ResetPictureCache();
    QtTest::TearDown();
  }

  QTemporaryDir dir_;
  std::filesystem::path root_;
};

TEST_P(HostilePicture, StartWindowOpensCompleteAndTheWellShowsOrStaysEmpty) {
  const PictureCase& c = GetParam();
  if (c.bytes != nullptr) {
    QFile file(QString::fromStdString((root_ / "Resources" / "R0026477.JPG").string()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(c.bytes());
  }

  std::shared_ptr<StartWindow> window = readout::Startform();
  EXPECT_EQ(window->Controls().size(), 9u);
  EXPECT_TRUE(window->Visible());
  EXPECT_EQ(window->PushButton1()->Caption(), "設　定");
  EXPECT_FALSE(window->ProgressBar1()->Visible());

  const std::shared_ptr<fw::Picture>& picture = window->ImageWell1()->Image();
  EXPECT_EQ(picture != nullptr, c.shows);
  if (picture) {
    auto image = std::static_pointer_cast<const QImage>(picture->Native());
    ASSERT_NE(image, nullptr);
    EXPECT_LE(image->sizeInBytes(), qsizetype{fw::qt::kMaxPictureMegabytes} * 1024 * 1024);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostilePicture,
    ::testing::Values(
        PictureCase{"Missing", nullptr, false},
        PictureCase{"Empty", [] { return QByteArray(); }, false},
        PictureCase{"TextRenamed", [] { return QByteArray("just some text, no picture\n"); },
                    false},
        PictureCase{"TruncatedJpeg",
                    [] {
                      QByteArray jpeg = Encoded("JPEG", 320, 265);
                      return jpeg.left(jpeg.size() / 2);
                    },
                    false},
        PictureCase{"PngUnderTheJpegName", [] { return Encoded("PNG", 320, 265); }, true},
        PictureCase{"ClaimsHugeSize", &ClaimsToBeHuge, false},
        PictureCase{"LargeJpeg", [] { return Encoded("JPEG", 4000, 3000); }, true},
        PictureCase{"JpegBeyondTheDecoderLimit", [] { return Encoded("JPEG", 5000, 4000); }, false},
        PictureCase{"WholeJpeg", [] { return Encoded("JPEG", 320, 265); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qttest
