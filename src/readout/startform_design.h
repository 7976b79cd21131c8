#pragma once

#include "design/property_list.h"

namespace readout {

// The design lists of the start window and its nine controls, one field per control.
struct StartformLists {
  design::Bytes window;
  design::Bytes PushButton1;
  design::Bytes PushButton2;
  design::Bytes StaticText1;
  design::Bytes ImageWell1;
  design::Bytes Rectangle1;
  design::Bytes ProgressBar1;
  design::Bytes StaticText3;
  design::Bytes Timer1;
  design::Bytes StaticText2;
};

// Encoded once, on first use, from the readable rows.
const StartformLists& StartformDesign();

}  // namespace readout
