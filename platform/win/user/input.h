// Input from the host: events become messages here.
#pragma once

#include <functional>

#include "platform/host/host.h"
#include "platform/win/user/window.h"

namespace win::user {

// Takes every pending host event into the raw input list (host thread only).
void PumpHostEvents();
// Turns the oldest raw host event into messages; false when there is none.
// Input becomes messages only when the queue gets to it, so that a capture
// or focus set while handling one click decides where the next events go.
bool ConvertNextHostEvent();
bool HostEventsPending();
void HandleHostEvent(const host::Event& e);
// Finds the top-level window a host window id belongs to.
Window* FromHostId(host::WindowId id);

// Keyboard state kept from the events seen.
void SetKeyDown(int vk, bool down);
// The current MK_ flags of the held buttons and keys.
WPARAM CurrentMouseKeys();

// Last known pointer position in screen coordinates.
POINT CursorScreenPos();
void SetCursorScreenPos(POINT p);

// Modal loops that follow the mouse themselves (menus) see raw mouse
// events first; true means the event was taken.
using MouseFilter = std::function<bool(host::EventType, POINT screen, host::MouseButton)>;
void SetMouseFilter(MouseFilter filter);

// Forgets the window under the pointer, capture and tracking when it dies.
void ForgetWindowInput(Window* w);

// Modifiers value that keeps the held buttons and keys as they are.
constexpr std::uint32_t kKeepModifiers = 0xFFFFFFFFu;

// Delivers a mouse event at a screen point as the messages a click,
// a move or a wheel turn make (also used by modal loops).
void DeliverMouse(host::EventType type, POINT screen, host::MouseButton button, std::uint32_t modifiers, int wheel);

}  // namespace win::user
