#include "styled/controls/stybtn_fixture.h"

#include "platform/host/headless.h"
#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"

namespace styledtest {

void Buttons::SetUp() {
  StyledProcs::SetUp();
  form = TCustomForm::CreateNew<TForm>(nullptr);
  form->SetBounds(10, 10, 320, 200);
  form->SetColor(static_cast<TColor>(0xC0C0C0));
  FStart = static_cast<int>(GetTickCount());
}

void Buttons::TearDown() {
  Application->OnIdle = nullptr;
  delete form;
  form = nullptr;
  StyledProcs::TearDown();
}

int Buttons::Now() const {
  return static_cast<int>(GetTickCount()) - FStart;
}

void Buttons::Advance(int ms) {
  for (int t = 0; t < ms; t += 50) {
    win::clock::Advance(50 * 1000);
    Pump();
  }
}

HWND Buttons::Target(TControl* c, int& x, int& y) {
  if (auto* w = dynamic_cast<TWinControl*>(c)) return w->GetHandle();
  x += c->GetLeft();
  y += c->GetTop();
  return c->GetParent()->GetHandle();
}

void Buttons::Move(TControl* c, int x, int y) {
  HWND h = Target(c, x, y);
  POINT p{x, y};
  ClientToScreen(h, &p);
  SetCursorPos(p.x, p.y);
  SendMessageA(h, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void Buttons::Down(TControl* c, int x, int y, bool twice) {
  HWND h = Target(c, x, y);
  SendMessageA(h, twice ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

void Buttons::Up(TControl* c, int x, int y) {
  HWND h = Target(c, x, y);
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

Sheet Buttons::Snapshot() {
  // What the desktop shows of the client area, child windows and all.
  Pump();
  RedrawWindow(form->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump();
  const int w = form->GetClientWidth(), h = form->GetClientHeight();
  Sheet sheet(w, h);
  RECT frame{};
  GetWindowRect(form->GetHandle(), &frame);
  const TPoint origin = form->ClientToScreen(TPoint(0, 0));
  const host::Surface s = host::headless::PresentedImage(win::user::HostWindowOf(form->GetHandle()));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int sx = origin.X - frame.left + x, sy = origin.Y - frame.top + y;
      if (!s.pixels || sx >= s.width || sy >= s.height) continue;
      const std::uint32_t rgb = s.pixels[sy * s.stride + sx] & 0xFFFFFF;
      sheet.Canvas()->SetPixels(x, y, static_cast<TColor>(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF)));
    }
  return sheet;
}

TPopupMenu* Buttons::MakeMenu() {
  auto* menu = new TPopupMenu(form);
  auto* item = new TMenuItem(form);
  item->SetCaption("Rimshot");
  menu->GetItems()->Add(item);
  return menu;
}

void Buttons::CloseMenusAfter(std::function<void()> Look) {
  Application->OnIdle = [Look](TObject*, bool& done) {
    done = true;
    if (!FindWindowA("#32768", nullptr)) return;
    if (Look) Look();
    EndMenu();
  };
}

bool Buttons::SaveLarge(Sheet& sheet, const std::string& name) {
  const int w = sheet.bitmap->GetWidth(), h = sheet.bitmap->GetHeight();
  Sheet large(2 * w, 2 * h);
  large.Canvas()->StretchDraw(TRect(0, 0, 2 * w, 2 * h), sheet.bitmap.get());
  return SavePicture(large.bitmap.get(), name);
}

TStyBitmapList* MakePlayFaces(TComponent* owner) {
  auto* list = new TStyBitmapList(owner);
  for (int down = 0; down < 2; ++down) {
    TBitmap face;
    face.SetPixelFormat(pf32bit);
    face.SetSize(32, 32);
    TCanvas* c = face.GetCanvas();
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(kFaceTransparent);
    c->FillRect(TRect(0, 0, 32, 32));
    c->GetPen()->SetColor(clBlack);
    c->GetBrush()->SetColor(down ? static_cast<TColor>(0x004000) : static_cast<TColor>(0x00C000));
    c->Ellipse(2, 2, 30, 30);
    c->GetBrush()->SetColor(down ? clYellow : clWhite);
    c->GetPen()->SetColor(down ? clYellow : clWhite);
    c->Polygon({TPoint(12, 9), TPoint(23, 16), TPoint(12, 23)});
    const int index = list->AddItem(nullptr);
    list->GetBitmapItem(index)->SetBitmap(&face);
  }
  return list;
}

TStyMMButton* MakePlayButton(TForm* form, TStyBitmapList* faces, int left, int top) {
  auto* b = new TStyMMButton(form);
  b->SetParent(form);
  b->SetBounds(left, top, 32, 32);
  b->SetGroupIndex(101);
  b->SetAllowAllUp(true);
  b->SetButtonFaceImageList(faces);
  const int lists[] = {0, 0, 0, 1, 1, 0, 1};
  for (int s = 0; s < 7; ++s) b->SetFace(s, lists[s], 1);
  b->SetFaceTransparentColor(kFaceTransparent);
  return b;
}

}  // namespace styledtest
