#pragma once

#include <memory>

#include "framework/framework.h"

namespace readout {

// The project picture, "R0026477.JPG" in the application's resource folder, or nullptr when
// there is no resource folder or the file does not open as a picture. A loaded picture is
// kept and given again without opening the file; a failed load is tried again next time.
// Raises NilObjectException if the resource folder gives no item for the name.
std::shared_ptr<fw::Picture> R00264772();

// Empties the picture cache, so that a fresh run in the same process loads the file again.
void ResetPictureCache();

}  // namespace readout
