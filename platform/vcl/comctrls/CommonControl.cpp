#include "platform/vcl/comctrls/CommonControl.h"

#include "platform/win/commctrl.h"

TCommonControl::TCommonControl(TComponent* AOwner) : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>()) {
  FCanvas->SetControl(this);
}

TCommonControl::~TCommonControl() = default;

void TCommonControl::DrawItemOnCanvas(const DRAWITEMSTRUCT& item, const std::function<void()>& draw) {
  int saved = SaveDC(item.hDC);
  FCanvas->PaintOn(item.hDC, [&] {
    FCanvas->SetFont(GetFont());
    draw();
  });
  RestoreDC(item.hDC, saved);
}

void TCommonControl::Messages(TMessageMap<TCommonControl>& m) {
  m.On(WM_PAINT, &TCommonControl::WMPaint);
  m.On(WM_ERASEBKGND, &TCommonControl::WMEraseBkgnd);
}

void TCommonControl::CreateCommonControl(TCreateParams& params, const char* className) {
  InitCommonControls();
  CreateSubClass(params, className);
}

void TCommonControl::SetWindowStyleBit(DWORD bits, bool on) {
  if (!HandleAllocated()) return;
  DWORD style = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_STYLE));
  DWORD next = on ? (style | bits) : (style & ~bits);
  if (next == style) return;
  SetWindowLongA(FHandle, GWL_STYLE, static_cast<LONG>(next));
  InvalidateRect(FHandle, nullptr, TRUE);
}

LRESULT TCommonControl::SendToWindow(UINT msg, WPARAM wParam, LPARAM lParam) {
  return HandleAllocated() ? SendMessageA(FHandle, msg, wParam, lParam) : 0;
}

void TCommonControl::WMPaint(TMessage& m) {
  // The common control draws its own face; window-less children (rare on
  // these controls) need the library's painting.
  if (!FControls.empty() || GetDoubleBuffered()) {
    InheritedMessage(m);
    return;
  }
  DefaultHandler(m);
}

void TCommonControl::WMEraseBkgnd(TMessage& m) {
  DefaultHandler(m);
}

void TControlItems::ItemBuilt(TCollectionItem* item) {
  if (FBuilding != item) return;
  FBuilding = nullptr;
  Changed();
}

void TControlItems::Notify(TCollectionItem* item, TCollectionNotification action) {
  if (action == cnAdded) FBuilding = item;
  TCollection::Notify(item, action);
}

bool TControlItems::Ready() const {
  return FBuilding == nullptr && !FControl->GetComponentState().Contains(csDestroying);
}
