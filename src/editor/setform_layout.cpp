#include "editor/setform.h"

// Placeholder until the window's design lands.
namespace editor {
void Setform::Layout() {}
void Setform::CreateControls() {}
void Setform::CreateControls0() {}
void Setform::CreateControls1() {}
}  // namespace editor
