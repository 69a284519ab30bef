// What the shell list and the shell tree share: the shell's rename command
// in their context menus, the name limits of a rename, the drag's
// auto-scroll margins and step, and a reference released with its scope.
#pragma once

#include <cstddef>

#include "controls/shell/UNavShellControls/ContextMenus.h"
#include "platform/win/ole2.h"

// The shell's own rename among the context menu's commands: the control
// edits the caption itself.
inline constexpr UINT kNavRenameCommand = kNavFirstShellCommand + 18;
// The longest name the shell takes, and the flags a rename passes.
inline constexpr std::size_t kNavMaxNameLength = 260;
inline constexpr SHGDNF kNavSetNameFlags = 0x20;
// An enumeration that has nothing more to give.
inline constexpr HRESULT kNavNoMoreItems = static_cast<HRESULT>(0x80070103);

// How near an edge a drag scrolls the control, and how often (ms).
inline constexpr int kNavHorizontalScrollMargin = 26;
inline constexpr int kNavVerticalScrollMargin = 20;
inline constexpr DWORD kNavScrollStep = 100;
// The buttons a drop carries over from the drag's start.
inline constexpr DWORD kNavDropButtons = MK_LBUTTON | MK_RBUTTON;

// A COM reference released at the end of the scope.
template <class I>
struct TNavReleased {
  I* object = nullptr;
  TNavReleased() = default;
  explicit TNavReleased(I* value) : object(value) {}
  TNavReleased(const TNavReleased&) = delete;
  TNavReleased& operator=(const TNavReleased&) = delete;
  ~TNavReleased() {
    if (object) object->Release();
  }
};
