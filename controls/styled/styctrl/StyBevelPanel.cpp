#include "controls/styled/styctrl/StyBevelPanel.h"

#include "platform/win/windows.h"

void AddWindowsBevelBorder(TCreateParams& Params, bool Ctl3D) {
  if (Ctl3D)
    Params.ExStyle |= WS_EX_CLIENTEDGE;
  else
    Params.Style |= WS_BORDER;
}

TStyCustomBevelPanel::TStyCustomBevelPanel(TComponent* AOwner)
    : TStyCustomPanel(AOwner), FBevel(std::make_unique<TStyBevel>()) {
  FBevel->SetWindowBorderSupport(true);
  FBevel->OnChange = [this](TObject* Sender) { GetChange(Sender); };
}

TStyCustomBevelPanel::~TStyCustomBevelPanel() {
  FBevel->OnChange = nullptr;
}

void TStyCustomBevelPanel::Messages(TMessageMap<TStyCustomBevelPanel>& m) {
  m.On(CM_CTL3DCHANGED, &TStyCustomBevelPanel::CMCtl3DChanged);
}

void TStyCustomBevelPanel::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  if (FBevel->GetMode() == bmWindows) AddWindowsBevelBorder(Params, GetCtl3D());
}

void TStyCustomBevelPanel::AlignControls(TControl* AControl, TRect& Rect) {
  Rect = FBevel->InnerRect(Rect);
  inherited::AlignControls(AControl, Rect);
}

void TStyCustomBevelPanel::GetChange(TObject* Sender) {
  if (Loading()) return;
  if (Sender == FBevel.get()) {
    FBevel->SetWindowBorderSupport(true);
    if (FBevel->NeedsRecreate()) RecreateWnd();
    Realign();
  }
  inherited::GetChange(Sender);
}

bool TStyCustomBevelPanel::ShowDesignFrame() {
  return !(FBevel->GetExtent() > 0 || FBevel->GetMode() == bmWindows);
}

void TStyCustomBevelPanel::Paint() {
  DrawBackground();
  if (Designing() && ShowDesignFrame())
    DrawDesignFrame();
  else
    FBevel->PaintBevel(GetCanvas(), GetClientRect(), GetTransparent());
}

void TStyCustomBevelPanel::CMCtl3DChanged(TMessage& /*m*/) {
  if (FBevel->GetMode() == bmWindows) RecreateWnd();
}

void TStyCustomBevelPanel::DrawFocusFrame() {
  if (FBevel->GetMode() == bmWindows)
    inherited::DrawFocusFrame();
  else
    FBevel->PaintBevel(GetCanvas(), GetClientRect(), true);
}

void TStyCustomBevelPanel::EraseFocusFrame() {
  if (!GetFocusFrame() || GetHasFocus() || GetMouseInside()) return;
  if (FBevel->GetMode() == bmWindows) {
    inherited::EraseFocusFrame();
    return;
  }
  const int e = FBevel->GetExtent(), br = FBevel->GetExtentBottomRight();
  const int w = GetWidth(), h = GetHeight();
  DrawBackgroundRect(TRect(0, 0, w, e));
  DrawBackgroundRect(TRect(0, e, e, h));
  DrawBackgroundRect(TRect(e, h - br - 1, w, h));
  DrawBackgroundRect(TRect(w - br, e, w, h - br));
}

void TStyCustomBevelPanel::MouseEnter() {
  if (GetFocusFrame() && !GetHasFocus()) DrawFocusFrame();
  inherited::MouseEnter();
}

void TStyCustomBevelPanel::DoEnter() {
  if (GetFocusFrame() && !GetHasFocus()) DrawFocusFrame();
  inherited::DoEnter();
}

void TStySimplePanel::SetBevel(TStyBevel* value) {
  GetBevel()->Assign(value);
  Perform(CM_BEVELCHANGED, 0, 0);
}

void TStySimplePanel::Publish(TPublisher<TStySimplePanel>& p) {
  p.Prop("Bevel", &TStySimplePanel::GetBevel, &TStySimplePanel::SetBevel);
  p.Prop("Locked", &TStySimplePanel::GetLocked, &TStySimplePanel::SetLocked).Default(false);
  p.Prop("Transparent", &TStySimplePanel::GetTransparent, &TStySimplePanel::SetTransparent).Default(false);
}
