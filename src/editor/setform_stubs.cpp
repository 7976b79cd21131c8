#include "editor/setform.h"

// Placeholder until the editor's handlers land.
namespace editor {
void Setform::StaticText1_MouseMove(fw::Label&, Int32, Int32) {}
void Setform::Event_Open() {}
bool Setform::Event_MouseDown(Int32, Int32) { return false; }
void Setform::SelBtn() {}
void Setform::SelItem() {}
void Setform::Revert() {}
void Setform::SetListIndex() {}
void Setform::Dflt() {}
void Setform::ErrEnd() {}
}  // namespace editor
