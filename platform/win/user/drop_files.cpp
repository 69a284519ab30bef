#include "platform/win/user/drop_files.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <set>

#include "platform/win/user/geometry.h"
#include "platform/win/user/window.h"
#include "platform/win/user/wm_state.h"

namespace win::user {

struct DropData {
  std::vector<std::string> paths;
  POINT point{};  // client coordinates of the receiving window
  bool inClient = true;
};

namespace {

DropData* Lookup(HDROP drop) {
  auto* d = reinterpret_cast<DropData*>(drop);
  std::lock_guard lock(WM().dropMutex);
  return WM().drops.count(d) ? d : nullptr;
}

}  // namespace

void DeliverDroppedFiles(POINT screen, const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  Window* w = WindowAtScreenPoint(screen);
  while (w && !w->acceptFiles) w = w->parent;
  if (!w) return;
  auto* d = new DropData;
  d->paths = paths;
  POINT c = screen;
  ScreenToClient(w->handle, &c);
  d->point = c;
  RECT cr;
  GetClientRect(w->handle, &cr);
  d->inClient = c.x >= 0 && c.y >= 0 && c.x < cr.right && c.y < cr.bottom;
  {
    std::lock_guard lock(WM().dropMutex);
    WM().drops.insert(d);
  }
  PostMessageA(w->handle, WM_DROPFILES, reinterpret_cast<WPARAM>(d), 0);
}

}  // namespace win::user

using namespace win::user;

UINT DragQueryFileA(HDROP drop, UINT index, LPSTR file, UINT size) {
  DropData* d = Lookup(drop);
  if (!d) return 0;
  if (index == 0xFFFFFFFF) return static_cast<UINT>(d->paths.size());
  if (index >= d->paths.size()) return 0;
  const std::string& p = d->paths[index];
  if (!file) return static_cast<UINT>(p.size());
  if (size == 0) return 0;
  UINT n = std::min<UINT>(static_cast<UINT>(p.size()), size - 1);
  std::memcpy(file, p.data(), n);
  file[n] = 0;
  return n;
}

BOOL DragQueryPoint(HDROP drop, LPPOINT point) {
  DropData* d = Lookup(drop);
  if (!d || !point) return FALSE;
  *point = d->point;
  return d->inClient;
}

void DragFinish(HDROP drop) {
  DropData* d = Lookup(drop);
  if (!d) return;
  {
    std::lock_guard lock(WM().dropMutex);
    WM().drops.erase(d);
  }
  delete d;
}

void DragAcceptFiles(HWND hwnd, BOOL accept) {
  Window* w = FromHandle(hwnd);
  if (!w) return;
  w->acceptFiles = accept != 0;
  if (accept)
    w->exStyle |= WS_EX_ACCEPTFILES;
  else
    w->exStyle &= ~WS_EX_ACCEPTFILES;
}
