#include "framework/files.h"

#include <system_error>

namespace fw {

namespace {
PictureDecoder& Decoder() {
  static PictureDecoder decoder;
  return decoder;
}

std::filesystem::path& ExecutableOverride() {
  static std::filesystem::path path;
  return path;
}

std::filesystem::path ExecutablePath() {
  if (!ExecutableOverride().empty()) return ExecutableOverride();
  std::error_code error;
  auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : path;
}
}  // namespace

void SetPictureDecoder(PictureDecoder decoder) { Decoder() = std::move(decoder); }

void SetExecutablePath(std::filesystem::path path) { ExecutableOverride() = std::move(path); }

bool FolderItem::Exists() const {
  std::error_code error;
  return std::filesystem::exists(path_, error);
}

bool FolderItem::IsDirectory() const {
  std::error_code error;
  return std::filesystem::is_directory(path_, error);
}

std::shared_ptr<FolderItem> FolderItem::Child(const std::string& name) const {
  if (name.empty() || name.find('/') != std::string::npos || !IsDirectory()) return nullptr;
  return std::make_shared<FolderItem>(path_ / name);
}

std::shared_ptr<Picture> FolderItem::OpenAsPicture() const {
  std::error_code error;
  if (!Decoder() || !std::filesystem::is_regular_file(path_, error)) return nullptr;
  return Decoder()(path_);
}

std::shared_ptr<FolderItem> GetApplicationBundleResources() {
  std::filesystem::path executable = ExecutablePath();
  if (executable.empty()) return nullptr;
  auto folder = std::make_shared<FolderItem>(executable.parent_path().parent_path() / "Resources");
  return folder->IsDirectory() ? folder : nullptr;
}

}  // namespace fw
