#include <memory>
#include <string>

#include "design/menu_bar.h"
#include "design/property_list.h"
#include "readout/picture.h"
#include "readout/startform.h"
#include "readout/startform_design.h"

namespace readout {

namespace {
// A new control of class T, constructed and registered under its name. Every later step
// fetches it back by name.
template <class T>
void NewControl(fw::Window& window, const std::string& name) {
  std::unique_ptr<T> control = window.New<T>();
  control->Constructor();
  window.AddControl(name, std::move(control));
}

std::shared_ptr<class Startform> Self(class Startform& window) {
  return std::static_pointer_cast<class Startform>(window.shared_from_this());
}
}  // namespace

void Startform::Layout() {
  SetMenuBar(design::MenuBar1());
  design::SetProperties(*this, StartformDesign().window);
}

void Startform::CreateControls() {
  CreateControls0();
}

void Startform::CreateControls0() {
  const StartformLists& lists = StartformDesign();

  NewControl<fw::PushButton>(*this, "PushButton1");
  PushButton1()->SetTextUnit(0);
  design::SetProperties(*PushButton1(), lists.PushButton1);
  PushButton1()->MouseMove.Bind("( PushButton, Int32, Int32 )",
                                fw::MakeDelegate(Self(*this), &Startform::PushButton1_MouseMove));
  PushButton1()->Action.Bind("( PushButton )",
                             fw::MakeDelegate(Self(*this), &Startform::PushButton1_Action));
  PushButton1()->MouseDown.Bind("( PushButton, Int32, Int32 ) as Boolean",
                                fw::MakeDelegate(Self(*this), &Startform::PushButton1_MouseDown));

  NewControl<fw::PushButton>(*this, "PushButton2");
  PushButton2()->SetTextUnit(0);
  design::SetProperties(*PushButton2(), lists.PushButton2);
  PushButton2()->Action.Bind("( PushButton )",
                             fw::MakeDelegate(Self(*this), &Startform::PushButton2_Action));

  NewControl<fw::Label>(*this, "StaticText1");
  StaticText1()->SetTextUnit(0);
  design::SetProperties(*StaticText1(), lists.StaticText1);

  NewControl<fw::ImageWell>(*this, "ImageWell1");
  ImageWell1()->SetImage(R00264772());
  design::SetProperties(*ImageWell1(), lists.ImageWell1);

  NewControl<fw::Rectangle>(*this, "Rectangle1");
  design::SetProperties(*Rectangle1(), lists.Rectangle1);

  NewControl<fw::ProgressBar>(*this, "ProgressBar1");
  design::SetProperties(*ProgressBar1(), lists.ProgressBar1);

  NewControl<fw::Label>(*this, "StaticText3");
  StaticText3()->SetTextUnit(0);
  design::SetProperties(*StaticText3(), lists.StaticText3);

  NewControl<StartformTimer1>(*this, "Timer1");
  design::SetProperties(*Timer1(), lists.Timer1);
  Timer1()->Action.Bind("( Timer )", fw::MakeDelegate(Self(*this), &Startform::Timer1_Action));

  NewControl<fw::Label>(*this, "StaticText2");
  StaticText2()->SetTextUnit(0);
  design::SetProperties(*StaticText2(), lists.StaticText2);
}

}  // namespace readout
