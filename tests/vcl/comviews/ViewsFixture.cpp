#include "ViewsFixture.h"

#include "drummachine/startup/ProgramStartup.h"
#include "platform/host/headless.h"
#include "platform/win/commctrl.h"
#include "platform/win/drums_ext.h"

namespace viewtest {

void ViewsTest::SetUp() {
  win::clock::UseManual(1'000'000'000);
  host::headless::SetScreen({0, 0, 1280, 1024}, {0, 0, 1280, 984});
  StartProgram({{ppClassLibrary}, {}});
  InitCommonControls();
  host = new TWinControl(nullptr);
  host->SetVisible(false);
  host->SetBounds(50, 50, 640, 420);
  host->SetColor(clBtnFace);
  host->SetVisible(true);
  Pump();
}

void ViewsTest::TearDown() {
  delete host;
  ReleaseCapture();
  StopProgram();
  Pump();
  win::clock::UseReal();
}

void ViewsTest::Pump() {
  MSG m;
  for (int guard = 0; guard < 10000 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); guard++) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

void ViewsTest::PaintNow() {
  Pump();
  RedrawWindow(host->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

COLORREF ViewsTest::Pixel(TWinControl* control, int x, int y) {
  HDC dc = GetDC(control->GetHandle());
  COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(control->GetHandle(), dc);
  return c;
}

void ViewsTest::Click(TWinControl* control, int x, int y) {
  SendMessageA(control->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(x, y));
  SendMessageA(control->GetHandle(), WM_LBUTTONUP, 0, PointToLParam(x, y));
}

void AddSolid(TCustomImageList* list, std::initializer_list<TColor> colours) {
  for (TColor c : colours) {
    TBitmap b;
    b.SetSize(list->GetWidth(), list->GetHeight());
    b.GetCanvas()->GetBrush()->SetColor(c);
    b.GetCanvas()->FillRect(Rect(0, 0, list->GetWidth(), list->GetHeight()));
    list->Add(&b, nullptr);
  }
}

HIMAGELIST SolidList(std::initializer_list<COLORREF> colours, int size) {
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 4, 4);
  HDC screen = GetDC(nullptr);
  for (COLORREF c : colours) {
    HBITMAP bm = CreateCompatibleBitmap(screen, size, size);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bm);
    RECT all{0, 0, size, size};
    HBRUSH brush = CreateSolidBrush(c);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ImageList_Add(list, bm, nullptr);
    DeleteObject(bm);
  }
  ReleaseDC(nullptr, screen);
  return list;
}

}  // namespace viewtest
