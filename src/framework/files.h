#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "framework/types.h"

namespace fw {

// A decoded picture. The platform that decoded it keeps its own image in `Native`.
class Picture {
 public:
  Picture(Int32 width, Int32 height, std::shared_ptr<const void> native)
      : width_(width), height_(height), native_(std::move(native)) {}
  Int32 Width() const { return width_; }
  Int32 Height() const { return height_; }
  const std::shared_ptr<const void>& Native() const { return native_; }

 private:
  Int32 width_;
  Int32 height_;
  std::shared_ptr<const void> native_;
};

// Decodes a picture file; gives nullptr for a file that is missing or no picture.
using PictureDecoder = std::function<std::shared_ptr<Picture>(const std::filesystem::path&)>;
// Without a decoder, no file opens as a picture.
void SetPictureDecoder(PictureDecoder decoder);

// An item of the file system: a file or a folder, existing or not.
class FolderItem {
 public:
  explicit FolderItem(std::filesystem::path path) : path_(std::move(path)) {}
  const std::filesystem::path& Path() const { return path_; }
  bool Exists() const;
  bool IsDirectory() const;
  // The item of that name in this folder, or nullptr when this is no folder.
  std::shared_ptr<FolderItem> Child(const std::string& name) const;
  // The picture the file holds, or nullptr.
  std::shared_ptr<Picture> OpenAsPicture() const;

 private:
  std::filesystem::path path_;
};

// The folder "Resources" in the parent of the folder that holds the executable, or nullptr.
std::shared_ptr<FolderItem> GetApplicationBundleResources();
// Where the executable is taken to lie (default: the running executable itself).
void SetExecutablePath(std::filesystem::path path);

}  // namespace fw
