#include "readout/picture.h"

namespace readout {

namespace {
std::shared_ptr<fw::Picture>& Cache() {
  static std::shared_ptr<fw::Picture> picture;
  return picture;
}
}  // namespace

std::shared_ptr<fw::Picture> R00264772() {
  if (Cache()) return Cache();
  std::shared_ptr<fw::FolderItem> resources = fw::GetApplicationBundleResources();
  if (!resources) return nullptr;
  std::shared_ptr<fw::FolderItem> file = resources->Child("R0026477.JPG");
  std::shared_ptr<fw::Picture> picture = fw::Nil(file.get()).OpenAsPicture();
  if (picture) Cache() = picture;
  return picture;
}

void ResetPictureCache() {
  Cache().reset();
}

}  // namespace readout
