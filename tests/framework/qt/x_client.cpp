#include "x_client.h"

#include <poll.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace qttest {

namespace {

// A reply or an event of xcb's, freed with free().
template <typename T>
using Owned = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Owned<T> Own(T* p) {
  return Owned<T>(p, &std::free);
}

constexpr std::uint32_t kWatched = XCB_EVENT_MASK_STRUCTURE_NOTIFY |
                                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_FOCUS_CHANGE;

}  // namespace

XClient::XClient(const QString& display) {
  connection_ = xcb_connect(display.toLocal8Bit().constData(), nullptr);
  if (!Connected()) return;
  root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
  protocols_ = Atom("WM_PROTOCOLS");
  ping_ = Atom("_NET_WM_PING");
  // The answer to a ping comes to the root window, to those who watch its structure.
  const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection_);
}

XClient::~XClient() {
  if (connection_ != nullptr) xcb_disconnect(connection_);
}

bool XClient::Connected() const {
  return connection_ != nullptr && xcb_connection_has_error(connection_) == 0;
}

xcb_atom_t XClient::Atom(const char* name) {
  auto reply = Own(xcb_intern_atom_reply(
      connection_,
      xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
      nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::optional<QRect> XClient::Geometry(xcb_window_t window) {
  if (!Connected()) return std::nullopt;
  const auto geometryCookie = xcb_get_geometry(connection_, window);
  const auto placeCookie = xcb_translate_coordinates(connection_, window, root_, 0, 0);
  auto geometry = Own(xcb_get_geometry_reply(connection_, geometryCookie, nullptr));
  auto place = Own(xcb_translate_coordinates_reply(connection_, placeCookie, nullptr));
  if (!geometry || !place) return std::nullopt;
  return QRect(place->dst_x, place->dst_y, geometry->width, geometry->height);
}

xcb_window_t XClient::FocusedTopLevel() {
  if (!Connected()) return 0;
  auto focus =
      Own(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
  if (!focus || focus->focus == XCB_NONE || focus->focus == XCB_INPUT_FOCUS_POINTER_ROOT) return 0;
  xcb_window_t window = focus->focus;
  while (window != root_) {
    auto tree =
        Own(xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr));
    if (!tree) return 0;
    if (tree->parent == root_ || tree->parent == XCB_NONE) return window;
    window = tree->parent;
  }
  return 0;
}

void XClient::Watch(xcb_window_t window) {
  if (!Connected()) return;
  std::vector<xcb_window_t> pending{window};
  while (!pending.empty()) {
    const xcb_window_t next = pending.back();
    pending.pop_back();
    xcb_change_window_attributes(connection_, next, XCB_CW_EVENT_MASK, &kWatched);
    auto tree = Own(xcb_query_tree_reply(connection_, xcb_query_tree(connection_, next), nullptr));
    if (!tree) continue;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    pending.insert(pending.end(), children, children + xcb_query_tree_children_length(tree.get()));
  }
  xcb_flush(connection_);
}

bool XClient::Drain(std::uint32_t serial) {
  bool answered = false;
  while (auto event = Own(xcb_poll_for_event(connection_))) {
    const std::uint8_t type = event->response_type & 0x7f;
    if (type == 0) continue;  // an error of a window that went meanwhile
    if (type != XCB_CLIENT_MESSAGE) {
      happened_ = true;
      continue;
    }
    const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event.get());
    if (message->window == root_ && message->type == protocols_ && message->format == 32 &&
        message->data.data32[0] == ping_ && message->data.data32[1] == serial) {
      answered = true;
    }
  }
  return answered;
}

bool XClient::Ping(xcb_window_t window, std::chrono::steady_clock::time_point deadline,
                   bool* happened) {
  *happened = true;
  if (!Connected()) return false;
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = protocols_;
  message.data.data32[0] = ping_;
  message.data.data32[1] = ++serial_;
  message.data.data32[2] = window;
  xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection_);

  bool answered = false;
  while (Connected() && !(answered = Drain(serial_))) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          deadline - std::chrono::steady_clock::now())
                          .count();
    if (left <= 0) break;
    pollfd socket{xcb_get_file_descriptor(connection_), POLLIN, 0};
    ::poll(&socket, 1, static_cast<int>(left));
  }
  *happened = happened_;
  happened_ = false;
  return answered;
}

}  // namespace qttest
