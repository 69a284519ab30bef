#include "comctl_fixture.h"

namespace comctltest {

ComctlTest* ComctlTest::current = nullptr;

namespace {

const char* kParentClass = "ComctlTestParent";

int g_serial = 0;

}  // namespace

LRESULT CALLBACK ComctlTest::ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  ComctlTest* t = current;
  if (!t) return DefWindowProcA(hwnd, msg, wParam, lParam);
  if (msg == WM_NOTIFY) {
    auto* hdr = reinterpret_cast<NMHDR*>(lParam);
    Heard h;
    h.msg = msg;
    h.code = hdr->code;
    h.from = hdr->hwndFrom;
    char cls[64] = {0};
    GetClassNameA(hdr->hwndFrom, cls, sizeof cls);
    std::string kind = cls;
    if (hdr->code == NM_CUSTOMDRAW) {
      auto* cd = reinterpret_cast<NMCUSTOMDRAW*>(lParam);
      h.stage = cd->dwDrawStage;
      h.item = static_cast<int>(cd->dwItemSpec);
    } else if (kind == WC_LISTVIEWA) {
      if (hdr->code == LVN_BEGINLABELEDITA || hdr->code == LVN_ENDLABELEDITA || hdr->code == LVN_GETDISPINFOA) {
        auto* di = reinterpret_cast<NMLVDISPINFOA*>(lParam);
        h.item = di->item.iItem;
        h.text = di->item.pszText ? di->item.pszText : "<null>";
      } else if (hdr->code != NM_SETFOCUS && hdr->code != NM_KILLFOCUS && hdr->code != LVN_KEYDOWN &&
                 hdr->code != NM_RETURN) {
        auto* nm = reinterpret_cast<NMLISTVIEW*>(lParam);
        h.item = nm->iItem;
        h.newState = nm->uNewState;
        h.oldState = nm->uOldState;
        h.changed = nm->uChanged;
        if (hdr->code == LVN_COLUMNCLICK) h.item = nm->iSubItem;
      }
    } else if (kind == WC_TREEVIEWA) {
      if (hdr->code == TVN_BEGINLABELEDITA || hdr->code == TVN_ENDLABELEDITA || hdr->code == TVN_GETDISPINFOA) {
        auto* di = reinterpret_cast<NMTVDISPINFOA*>(lParam);
        h.node = di->item.hItem;
        h.text = hdr->code == TVN_GETDISPINFOA ? "" : (di->item.pszText ? di->item.pszText : "<null>");
        h.changed = di->item.mask;
      } else if (hdr->code <= TVN_SELCHANGINGA && hdr->code >= TVN_DELETEITEMA) {
        auto* nm = reinterpret_cast<NMTREEVIEWA*>(lParam);
        h.action = nm->action;
        h.node = hdr->code == TVN_DELETEITEMA ? nm->itemOld.hItem : nm->itemNew.hItem;
      }
    } else if (kind == WC_HEADERA) {
      auto* nm = reinterpret_cast<NMHEADERA*>(lParam);
      h.item = nm->iItem;
      if (nm->pitem && (nm->pitem->mask & HDI_WIDTH)) h.newState = static_cast<UINT>(nm->pitem->cxy);
    }
    t->heard.push_back(h);
    auto it = t->answers.find(hdr->code);
    if (it != t->answers.end()) return it->second(hdr);
    return 0;
  }
  if (msg == WM_DRAWITEM) {
    auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    Heard h;
    h.msg = msg;
    h.item = static_cast<int>(dis->itemID);
    h.from = dis->hwndItem;
    h.code = dis->CtlType;
    t->heard.push_back(h);
    if (t->onDrawItem) t->onDrawItem(*dis);
    return TRUE;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void ComctlTest::SetUp() {
  current = this;
  win::clock::UseManual(1'000'000'000);
  host::headless::SetScreen({0, 0, 1280, 1024}, {0, 0, 1280, 984});
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&icc));
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ParentProc;
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kParentClass;
  RegisterClassExA(&wc);
  Pump();
}

void ComctlTest::TearDown() {
  if (parent && IsWindow(parent)) DestroyWindow(parent);
  ReleaseCapture();
  Pump();
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {}
  current = nullptr;
  win::clock::UseReal();
}

HWND ComctlTest::MakeParent(int w, int h, int x, int y) {
  title_ = "comctl test " + std::to_string(++g_serial);
  RECT r{0, 0, w, h};
  AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
  parent = CreateWindowExA(0, kParentClass, title_.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y,
                           r.right - r.left, r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
  ShowWindow(parent, SW_SHOW);
  UpdateWindow(parent);
  Pump();
  return parent;
}

HWND ComctlTest::MakeChild(const char* cls, DWORD style, int x, int y, int w, int h, int id) {
  HWND child = CreateWindowExA(WS_EX_CLIENTEDGE, cls, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, w, h,
                               parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  Pump();
  return child;
}

host::WindowId ComctlTest::HostOf(HWND top) {
  char title[256] = {0};
  GetWindowTextA(top, title, sizeof title);
  for (host::WindowId id : host::headless::Windows()) {
    host::headless::WindowState s;
    if (host::headless::GetWindowState(id, s) && s.title == title) return id;
  }
  return 0;
}

void ComctlTest::Pump() {
  MSG m;
  for (int guard = 0; guard < 10000 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); guard++) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

void ComctlTest::AdvanceMs(int ms) {
  win::clock::Advance(static_cast<std::uint64_t>(ms) * 1000);
  Pump();
}

void ComctlTest::Push(host::Event e, HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  HWND top = GetAncestor(hwnd, GA_ROOT);
  RECT r;
  GetWindowRect(top, &r);
  e.window = HostOf(top);
  e.screenX = p.x;
  e.screenY = p.y;
  e.x = p.x - r.left;
  e.y = p.y - r.top;
  host::headless::PushEvent(e);
  Pump();
}

void ComctlTest::MouseDown(HWND hwnd, int x, int y, host::MouseButton b, std::uint32_t mods) {
  host::Event e;
  e.type = host::EventType::MouseDown;
  e.button = b;
  e.modifiers = mods;
  Push(e, hwnd, x, y);
}

void ComctlTest::MouseUp(HWND hwnd, int x, int y, host::MouseButton b, std::uint32_t mods) {
  host::Event e;
  e.type = host::EventType::MouseUp;
  e.button = b;
  e.modifiers = mods;
  Push(e, hwnd, x, y);
}

void ComctlTest::MouseMove(HWND hwnd, int x, int y, std::uint32_t mods) {
  host::Event e;
  e.type = host::EventType::MouseMove;
  e.modifiers = mods;
  Push(e, hwnd, x, y);
}

void ComctlTest::Click(HWND hwnd, int x, int y, std::uint32_t mods) {
  // Far enough from any earlier click not to make a double click.
  AdvanceMs(1000);
  MouseDown(hwnd, x, y, host::MouseButton::Left, mods);
  MouseUp(hwnd, x, y, host::MouseButton::Left, mods);
}

void ComctlTest::RightClick(HWND hwnd, int x, int y) {
  AdvanceMs(1000);
  MouseDown(hwnd, x, y, host::MouseButton::Right);
  MouseUp(hwnd, x, y, host::MouseButton::Right);
}

void ComctlTest::Press(int vk, std::uint32_t mods) {
  for (bool down : {true, false}) {
    host::Event e;
    e.type = down ? host::EventType::KeyDown : host::EventType::KeyUp;
    e.key = vk;
    e.modifiers = mods;
    e.window = HostOf(parent);
    host::headless::PushEvent(e);
    Pump();
  }
}

void ComctlTest::Type(const std::string& text) {
  host::Event e;
  e.type = host::EventType::TextInput;
  e.text = text;
  e.window = HostOf(parent);
  host::headless::PushEvent(e);
  Pump();
}

void ComctlTest::Paint() {
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
}

std::uint32_t ComctlTest::Pixel(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  RECT r;
  GetWindowRect(parent, &r);
  host::Surface s = host::Get().GetSurface(HostOf(parent));
  int sx = p.x - r.left, sy = p.y - r.top;
  if (!s.pixels || sx < 0 || sy < 0 || sx >= s.width || sy >= s.height) return 0xFFFFFFFF;
  return s.pixels[sy * s.stride + sx] & 0xFFFFFF;
}

bool ComctlTest::Screenshot(const std::string& path) {
  return host::Get().Screenshot(HostOf(parent), path);
}

std::vector<UINT> ComctlTest::Codes(const std::vector<UINT>& only) const {
  std::vector<UINT> out;
  for (const Heard& h : heard) {
    if (h.msg != WM_NOTIFY) continue;
    if (!only.empty() && std::find(only.begin(), only.end(), h.code) == only.end()) continue;
    out.push_back(h.code);
  }
  return out;
}

HIMAGELIST SolidImages(const std::vector<COLORREF>& colours, int size) {
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 4, 4);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  for (COLORREF c : colours) {
    HBITMAP bm = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ old = SelectObject(dc, bm);
    RECT all{0, 0, size, size};
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(dc, &all, magenta);
    DeleteObject(magenta);
    // A filled square with a transparent border of two pixels.
    RECT inner{2, 2, size - 2, size - 2};
    HBRUSH b = CreateSolidBrush(c);
    FillRect(dc, &inner, b);
    DeleteObject(b);
    SelectObject(dc, old);
    ImageList_AddMasked(list, bm, RGB(255, 0, 255));
    DeleteObject(bm);
  }
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return list;
}

}  // namespace comctltest
