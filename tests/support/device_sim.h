#pragma once

#include <cstdint>
#include <ostream>
#include <random>
#include <vector>

#include "framework/framework.h"

// The device's side of the read-out line code: the pointer positions by which the device sends
// its setting bits over the start window's "設　定" button, and a driver that feeds them to the
// button's events. Positions are the button's own pixels; only the signs of the changes between
// consecutive events carry the code.
namespace testsupport {

struct Point {
  fw::Int32 x = 0;
  fw::Int32 y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};
std::ostream& operator<<(std::ostream& out, const Point& p);

using Positions = std::vector<Point>;

// The middle of the "設　定" button (222 x 84).
inline constexpr Point kButtonCentre{111, 42};

// How the simulated device draws the code.
struct LineCode {
  // Pixels per step, at least 1.
  fw::Int32 step = 1;
  // A 0 followed by a 1: the left step that recognises the 0 also carries the 1's up step, and
  // the 1's own left and right steps are left out (left+up, then down). Each such pair leaves
  // the pointer one step further left.
  bool combineLeftUp = false;
  // The completing event's move from the last bit step, in pixels; {0, 0} repeats the position
  // (fine headless; a real pointer reports no such move).
  Point completion{1, 0};
};

// The positions after `start` (not included) that make the decoder record `bits` in order,
// each 0 or 1: left, right for a 0; left, right, up, down for a 1; a 0 at the end gets the
// left step that recognises it. Raises std::invalid_argument for another bit value or a step
// below 1.
Positions BitSteps(const std::vector<int>& bits, Point start, const LineCode& code = {});

// Everything the device moves after its click: the reference event at `start`, the bit steps,
// then the completing event.
Positions ReadoutMoves(const std::vector<int>& bits, Point start = kButtonCentre,
                       const LineCode& code = {});

// Raises the control's MouseMove at each position, in order.
void MoveOver(fw::RectControl& control, const Positions& positions);

// The device's click on the button: MouseDown at `at`, then Action.
void Click(fw::PushButton& button, Point at = kButtonCentre);

// A whole read-out through the button's events: the click at `start`, then ReadoutMoves.
void DriveReadout(fw::PushButton& button, const std::vector<int>& bits, Point start = kButtonCentre,
                  const LineCode& code = {});

// `count` bits, each 0 or 1, drawn from `rng`.
std::vector<int> RandomBits(std::mt19937& rng, std::size_t count = 41);

}  // namespace testsupport
