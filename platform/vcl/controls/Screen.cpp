#include "platform/vcl/controls/Screen.h"

#include <algorithm>

#include "platform/vcl/classes/strings/StringList.h"
#include "platform/vcl/controls/CursorIdents.h"
#include "platform/vcl/controls/WinControl.h"
#include "platform/vcl/rtl/StartCount.h"
#include "platform/win/windows.h"

TScreen* Screen = nullptr;
TMouse* Mouse = nullptr;

namespace {
struct BuiltInCursor {
  TCursor index;
  LPCSTR id;
};
}  // namespace

TScreen::TScreen(TComponent* AOwner)
    : TComponent(AOwner),
      FFonts(std::make_unique<TStringList>()),
      FHintFont(std::make_unique<TFont>()),
      FIconFont(std::make_unique<TFont>()),
      FMenuFont(std::make_unique<TFont>()) {
  FDefaultCursor = LoadCursorA(nullptr, IDC_ARROW);
  const BuiltInCursor builtIn[] = {
      {crArrow, IDC_ARROW},          {crCross, IDC_CROSS},       {crIBeam, IDC_IBEAM},    {crSizeNESW, IDC_SIZENESW},
      {crSizeNS, IDC_SIZENS},        {crSizeNWSE, IDC_SIZENWSE}, {crSizeWE, IDC_SIZEWE},  {crUpArrow, IDC_UPARROW},
      {crHourGlass, IDC_WAIT},       {crDrag, IDC_ARROW},        {crNoDrop, IDC_NO},      {crHSplit, IDC_SIZEWE},
      {crVSplit, IDC_SIZENS},        {crMultiDrag, IDC_ARROW},   {crSQLWait, IDC_WAIT},   {crNo, IDC_NO},
      {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},         {crHandPoint, IDC_HAND}, {crSizeAll, IDC_SIZEALL},
  };
  for (const auto& c : builtIn) FCursors[c.index] = LoadCursorA(nullptr, c.id);
  FCursors[crNone] = nullptr;
  FHintFont->SetColor(clInfoText);
  FMenuFont->SetColor(clMenuText);
  FIconFont->SetColor(clWindowText);
}

TScreen::~TScreen() = default;

int TScreen::GetWidth() const {
  return GetSystemMetrics(SM_CXSCREEN);
}
int TScreen::GetHeight() const {
  return GetSystemMetrics(SM_CYSCREEN);
}

TRect TScreen::GetWorkAreaRect() const {
  RECT r{0, 0, GetWidth(), GetHeight()};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

HCURSOR TScreen::GetCursors(TCursor index) const {
  if (index == crDefault) return FDefaultCursor;
  auto it = FCursors.find(index);
  return it == FCursors.end() ? FDefaultCursor : it->second;
}

void TScreen::SetCursors(TCursor index, HCURSOR handle) {
  if (index == crDefault) {
    FDefaultCursor = handle ? handle : LoadCursorA(nullptr, IDC_ARROW);
    return;
  }
  FCursors.erase(index);
  if (handle) FCursors[index] = handle;
}

void TScreen::SetCursor(TCursor value) {
  if (value == FCursor) return;
  FCursor = value;
  if (value == crDefault) {
    // Let the window under the pointer choose its own cursor again.
    POINT p;
    ::GetCursorPos(&p);
    HWND hwnd = WindowFromPoint(p);
    if (hwnd) {
      LRESULT code = SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
      SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(code, WM_MOUSEMOVE));
      return;
    }
  }
  ::SetCursor(GetCursors(value));
}

TStrings* TScreen::GetFonts() {
  if (FFonts->GetCount() == 0) {
    // The faces the text layer maps to installed families.
    FFonts->SetSorted(true);
    for (const char* face : {"Arial", "Courier New", "MS Sans Serif", "Tahoma", "Times New Roman", "Verdana"})
      FFonts->Add(face);
  }
  return FFonts.get();
}

void TScreen::AddForm(TWinControl* form) {
  if (std::find(FForms.begin(), FForms.end(), form) == FForms.end()) FForms.push_back(form);
}

void TScreen::RemoveForm(TWinControl* form) {
  std::erase(FForms, form);
  if (FActiveForm == form) SetActiveForm(nullptr);
  if (FActiveControl && form && form->ContainsControl(FActiveControl)) SetActiveControl(nullptr);
}

void TScreen::SetActiveForm(TWinControl* form) {
  if (FActiveForm == form) return;
  FActiveForm = form;
  // The active form moves to the front of the list, as the z-order has it.
  if (form) {
    auto it = std::find(FForms.begin(), FForms.end(), form);
    if (it != FForms.end()) std::rotate(FForms.begin(), it, it + 1);
  }
  if (OnActiveFormChange) OnActiveFormChange(this);
}

void TScreen::SetActiveControl(TWinControl* control) {
  if (FActiveControl == control) return;
  FActiveControl = control;
  if (OnActiveControlChange) OnActiveControlChange(this);
}

TPoint TMouse::GetCursorPos() const {
  POINT p{0, 0};
  ::GetCursorPos(&p);
  return p;
}

void TMouse::SetCursorPos(const TPoint& value) {
  ::SetCursorPos(value.X, value.Y);
}
HWND TMouse::GetCapture() const {
  return ::GetCapture();
}
void TMouse::SetCapture(HWND value) {
  if (value)
    ::SetCapture(value);
  else
    ::ReleaseCapture();
}

namespace vcl {
namespace {
TStartCount controlStarts;
}  // namespace

void InitControls() {
  controlStarts.Start([] {
    RegisterCursorIdents();
    Screen = new TScreen(nullptr);
    Mouse = new TMouse();
  });
}

void DoneControls() {
  controlStarts.Done([] {
    delete Screen;
    Screen = nullptr;
    delete Mouse;
    Mouse = nullptr;
    UnRegisterCursorIdents();
  });
}
}  // namespace vcl
