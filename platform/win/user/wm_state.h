// Everything the window manager keeps between calls, in one object: what it
// holds is visible in one place, each part says which threads may touch it,
// and a test can put it back to a clean start.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/host/host.h"
#include "platform/win/user/input.h"
#include "platform/win/user/menu.h"
#include "platform/win/user/message_box.h"
#include "platform/win/user/queue.h"
#include "platform/win/user/state.h"
#include "platform/win/user/window.h"

namespace win::user {

struct MenuLoop;  // menu_loop.cpp: the open menus
struct MessageBoxLoop;  // message_box.cpp: the box on screen
struct DropData;  // drop_files.cpp: the files of one WM_DROPFILES

// What a window DC was made for (paint.cpp).
struct DcRecord {
  HWND hwnd = nullptr;
  bool own = false;  // a CS_OWNDC DC: ReleaseDC keeps it
  bool window = false;  // DCX_WINDOW
  RECT dirty{};  // surface coordinates to present on release
};

// The last click, for telling double clicks (input.cpp).
struct LastClick {
  HWND hwnd = nullptr;
  host::MouseButton button = host::MouseButton::Left;
  DWORD time = 0;
  POINT pt{};
  bool valid = false;
  bool nonClient = false;
};

// TrackMouseEvent's request (input.cpp).
struct MouseTracking {
  HWND hwnd = nullptr;
  DWORD flags = 0;
  DWORD hoverMs = 400;
  std::uint64_t hoverDue = 0;
};

struct WindowManagerState {
  // ---- Any thread, under tableMutex: which windows exist and their threads.
  std::mutex tableMutex;
  std::unordered_map<UINT_PTR, std::shared_ptr<Window>> windows;
  UINT_PTR nextHandle = 0x10000;  // handles are never reused

  // ---- Any thread, under queuesMutex: one queue per thread, never freed.
  std::mutex queuesMutex;
  std::map<DWORD, std::unique_ptr<Queue>> queues;
  std::atomic<DWORD> hostThread{0};  // the thread that talks to the host

  // ---- Any thread: atomics and their own locks.
  std::atomic<POINT> cursorPos{POINT{}};  // last known pointer, screen coordinates
  std::mutex keysMutex;
  std::array<BYTE, 256> keys{};  // 0x80 down, 0x01 toggled
  std::atomic<UINT> doubleClickTime{500};
  std::atomic<bool> swapButtons{false};
  std::mutex beepMutex;
  std::vector<UINT> beeps;
  std::mutex dropMutex;
  std::set<DropData*> drops;
  std::mutex messageNamesMutex;
  std::map<std::string, UINT> messageNames;  // RegisterWindowMessageA

  // ---- The user-interface thread only.
  std::list<WndClass> classes;
  ATOM nextAtom = 0xC000;  // names and integer atoms share one space
  Window* desktop = nullptr;
  std::vector<Window*> topLevels;  // z-order, topmost first
  FocusState focus;
  int cascade = 0;  // CW_USEDEFAULT placements so far
  // Input.
  std::uint32_t buttons = 0;  // host ButtonLeft/Right/Middle bits
  MouseFilter mouseFilter;
  LastClick lastClick;
  MouseTracking tracking;
  HWND underPointer = nullptr;
  std::deque<host::Event> rawEvents;  // host events not yet messages
  bool altAlone = false;  // Alt pressed and released alone opens the menu bar
  // The pointer's shape.
  HCURSOR cursor = nullptr;
  int cursorShowCount = 0;
  RECT cursorClip{};
  bool cursorClipped = false;
  // Painting.
  std::map<host::WindowId, std::vector<RECT>> dirty;  // surface rectangles to present
  std::map<HDC, DcRecord> dcs;
  HWND lockedUpdate = nullptr;  // LockWindowUpdate
  // Menus.
  std::map<UINT_PTR, std::unique_ptr<Menu>> menus;
  UINT_PTR nextMenu = 0x20000;
  MenuLoop* menuLoop = nullptr;
  // Message boxes.
  MessageBoxLoop* messageBox = nullptr;
  std::function<int(const MessageBoxRecord&)> messageBoxAnswer;
  std::vector<MessageBoxRecord> messageBoxRecords;
  // The idle hook of every modal loop.
  std::function<bool()> idleHook;
  // Mounted volumes for WM_DEVICECHANGE.
  int mountInfoFd = -2;  // -2: not opened yet, -1: not available
  std::vector<std::string> knownVolumes;
  bool knownVolumesRead = false;
  UINT_PTR nextThreadTimer = 0x7000;
};

WindowManagerState& WM();

// For tests: destroys the calling thread's windows and menus and puts focus,
// capture, input, the pointer, message boxes, hooks and the thread's queue
// back to a clean start. Classes, registered messages and the handle
// counters stay (handles are never reused).
void ResetWindowManager();

}  // namespace win::user
