#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>

#include "framework/framework.h"
#include "readout/picture.h"
#include "readout/startform.h"
#include "support/case_name.h"
#include "support/headless.h"

namespace {

using testsupport::PrintTo;

namespace fs = std::filesystem;

const std::string kJpegStart = "\xFF\xD8\xFF\xE0";

// A program folder in a temporary directory: the executable at bin/x, its pictures in
// Resources beside bin. The installed decoder stands in for the platform's: it counts its
// calls and takes a file for a picture when it starts like a JPEG.
class PictureTest : public testsupport::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(test.begin(), test.end(), '/', '-');
    root_ =
        fs::temp_directory_path() / ("nupireo-picture-" + std::to_string(::getpid()) + "-" + test);
    fs::remove_all(root_);
    fs::create_directories(root_ / "bin");
    fw::SetExecutablePath(root_ / "bin" / "x");
    readout::ResetPictureCache();
    fw::SetPictureDecoder([this](const fs::path& path) -> std::shared_ptr<fw::Picture> {
      ++decodes_;
      std::ifstream in(path, std::ios::binary);
      std::string start(kJpegStart.size(), '\0');
      if (!in.read(start.data(), static_cast<std::streamsize>(start.size())) ||
          start != kJpegStart) {
        return nullptr;
      }
      return std::make_shared<fw::Picture>(320, 265, nullptr);
    });
  }

  void TearDown() override {
    fw::SetPictureDecoder(nullptr);
    fw::SetExecutablePath({});
    readout::ResetPictureCache();
    HeadlessTest::TearDown();
    fs::remove_all(root_);
  }

  fs::path Resources() const { return root_ / "Resources"; }

  void WritePicture(const std::string& bytes) {
    fs::create_directories(Resources());
    std::ofstream(Resources() / "R0026477.JPG", std::ios::binary) << bytes;
  }

  int decodes_ = 0;

 private:
  fs::path root_;
};

TEST_F(PictureTest, LoadedOnceAndGivenFromTheCacheAfterwards) {
  WritePicture(kJpegStart + "rest of the picture");
  std::shared_ptr<fw::Picture> first = readout::R00264772();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Width(), 320);
  EXPECT_EQ(readout::R00264772(), first);
  EXPECT_EQ(decodes_, 1);

  // The start window's well shows the cached picture; the file is not opened again.
  EXPECT_EQ(readout::Startform()->ImageWell1()->Image(), first);
  EXPECT_EQ(decodes_, 1);
}

TEST_F(PictureTest, FailedLoadLeavesTheCacheEmpty) {
  WritePicture("not a picture");
  EXPECT_EQ(readout::R00264772(), nullptr);
  EXPECT_EQ(readout::R00264772(), nullptr);
  EXPECT_EQ(decodes_, 2);

  // Once the file holds a picture, the next call loads it.
  WritePicture(kJpegStart);
  EXPECT_NE(readout::R00264772(), nullptr);
  EXPECT_EQ(decodes_, 3);
}

TEST_F(PictureTest, WithoutADecoderNoFileIsAPicture) {
  WritePicture(kJpegStart + "rest of the picture");
  fw::SetPictureDecoder(nullptr);
  EXPECT_EQ(readout::R00264772(), nullptr);
}

// Every way the picture can be missing: the start window still opens whole, with an empty well.
struct MissingPicture {
  const char* name;
  void (*prepare)(const fs::path& resources);
};

class MissingPictureTest : public PictureTest,
                           public ::testing::WithParamInterface<MissingPicture> {};

TEST_P(MissingPictureTest, StartWindowOpensCompleteWithAnEmptyWell) {
  GetParam().prepare(Resources());
  auto window = readout::Startform();
  EXPECT_EQ(window->ImageWell1()->Image(), nullptr);
  EXPECT_EQ(window->Controls().size(), 9u);
  EXPECT_EQ(window->ImageWell1()->Width(), 320);
  EXPECT_EQ(window->StaticText2()->TextAlign(), 1);
  EXPECT_TRUE(window->Timer1()->Action.IsBound());
  EXPECT_TRUE(window->Visible());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MissingPictureTest,
    ::testing::Values(
        MissingPicture{"NoResourcesFolder", [](const fs::path&) {}},
        MissingPicture{"ResourcesIsAFile", [](const fs::path& r) { std::ofstream(r) << "x"; }},
        MissingPicture{"NoFile", [](const fs::path& r) { fs::create_directories(r); }},
        MissingPicture{"EmptyFile",
                       [](const fs::path& r) {
                         fs::create_directories(r);
                         std::ofstream(r / "R0026477.JPG");
                       }},
        MissingPicture{"NotAPicture",
                       [](const fs::path& r) {
                         fs::create_directories(r);
                         std::ofstream(r / "R0026477.JPG") << "GIF89a";
                       }},
        MissingPicture{"FolderOfThatName",
                       [](const fs::path& r) { fs::create_directories(r / "R0026477.JPG"); }}),
    [](const ::testing::TestParamInfo<MissingPicture>& info) { return info.param.name; });

}  // namespace
