#pragma once

#include <xcb/xcb.h>

#include <QRect>
#include <QString>
#include <chrono>
#include <cstdint>
#include <optional>

namespace qttest {

// The tests' own connection to the X server that the program runs on: it reads windows'
// places and the input focus, watches the program's windows, and asks the program to answer.
class XClient {
 public:
  explicit XClient(const QString& display);
  ~XClient();
  XClient(const XClient&) = delete;
  XClient& operator=(const XClient&) = delete;

  bool Connected() const;

  // The window's content on the screen, in screen pixels; none for a window that is gone.
  std::optional<QRect> Geometry(xcb_window_t window);
  // The top-level window that has the input focus, or 0 while the focus is None or
  // PointerRoot.
  xcb_window_t FocusedTopLevel();

  // From now on, counts what happens to the window and to every window inside it: moves,
  // resizes, maps, unmaps and focus changes.
  void Watch(xcb_window_t window);

  // Sends the window's client a _NET_WM_PING and waits until `deadline` for its answer. An
  // answer means that the client has handled every event that the server sent it before the
  // ping. `happened` tells whether anything watched happened since the last ping was answered.
  bool Ping(xcb_window_t window, std::chrono::steady_clock::time_point deadline, bool* happened);

 private:
  xcb_atom_t Atom(const char* name);
  // Takes in the events that have arrived; true once the answer to ping `serial` is among
  // them.
  bool Drain(std::uint32_t serial);

  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = 0;
  xcb_atom_t protocols_ = 0;
  xcb_atom_t ping_ = 0;
  std::uint32_t serial_ = 0;
  bool happened_ = false;
};

}  // namespace qttest
