#include "controls/styled/styformA/FormFill.h"

#include "controls/styled/stycompo.h"
#include "controls/styled/stysysin.h"
#include "platform/vcl/Forms.h"
#include "platform/win/windows.h"

namespace {

// Tile the item and realize its palette; on a palette display with the
// application's palette option, tile only.
constexpr std::uint16_t kTileRealize = 0x1020;
constexpr std::uint16_t kTile = 0x0020;

}  // namespace

TStyCustomFormFill::TStyCustomFormFill(TComponent* AOwner)
    : TStyWndProcComponent(AOwner), FImageListRef(this, [this](TObject*) { ImageChanged(); }) {}

TStyCustomFormFill::~TStyCustomFormFill() {
  FImageListRef.Disconnect();
}

void TStyCustomFormFill::Publish(TPublisher<TStyCustomFormFill>& p) {
  using C = TStyCustomFormFill;
  p.Prop("DefaultFill", &C::GetDefaultFill, &C::SetDefaultFill).Default(true);
  p.Prop("Enabled", &C::GetEnabled, &C::SetEnabled).Default(true);
  PublishImageListRef(p);
  p.Prop("PaintMode", &C::GetPaintMode, &C::SetPaintMode).Default(pcControl);
}

void TStyCustomFormFill::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  FImageListRef.DefineProperties(Filer);
}

void TStyCustomFormFill::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  FImageListRef.Notification(AComponent, Operation);
}

TCustomForm* TStyCustomFormFill::Form() const {
  return dynamic_cast<TCustomForm*>(const_cast<TStyCustomFormFill*>(this)->GetOwner());
}

void TStyCustomFormFill::InvalidateForm(bool Erase) {
  TCustomForm* form = Form();
  if (form && form->HandleAllocated()) InvalidateRect(form->GetHandle(), nullptr, Erase ? TRUE : FALSE);
}

void TStyCustomFormFill::Activate() {
  inherited::Activate();
  if (!GetComponentState().Contains(csLoading)) InvalidateForm(true);
}

void TStyCustomFormFill::Deactivate() {
  if (!GetComponentState().Contains(csDestroying)) InvalidateForm(true);
}

void TStyCustomFormFill::SetPaintMode(TStyPaintMode value) {
  if (FPaintMode == value) return;
  FPaintMode = value;
  if (GetEnabled() && !GetComponentState().Contains(csDesigning)) InvalidateForm(true);
}

void TStyCustomFormFill::ImageChanged() {
  InvalidateForm(true);
}

void TStyCustomFormFill::WndProc(TMessage& Message) {
  if (GetEnabled()) {
    switch (Message.Msg) {
      case WM_SIZE:
      case WM_HSCROLL:
      case WM_VSCROLL: InvalidateForm(false); break;
      case WM_PALETTECHANGED: InvalidateForm(true); break;
      case WM_ERASEBKGND:
        if (PaintBackground(reinterpret_cast<HDC>(Message.WParam))) {
          Message.Result = 1;
          return;
        }
        break;
      default: break;
    }
  }
  inherited::WndProc(Message);
}

bool TStyCustomFormFill::PaintBackground(HDC DC) {
  if (FPaintMode != pcOwnerDraw || !OnPaint || GetComponentState().Contains(csLoading)) return false;
  TCustomForm* form = Form();
  if (!form) return false;
  TCanvas canvas;
  canvas.SetHandle(DC);
  const TRect client(0, 0, form->GetClientWidth(), form->GetClientHeight());
  if (FDefaultFill) {
    canvas.GetBrush()->SetColor(form->GetColor());
    canvas.FillRect(client);
  }
  OnPaint(this, &canvas, client);
  canvas.SetHandle(nullptr);
  return true;
}

bool TStyBack::PaintBackground(HDC DC) {
  TStyCustomImageList* list = GetImageList();
  TCustomForm* form = Form();
  if (GetPaintMode() != pcControl || !list || !form || !list->IsValidIndex(GetListIndex(), GetImageIndex()))
    return inherited::PaintBackground(DC);
  const bool paletteOnly = StyApplication && (StyApplication->GetOptions() & 0x01) && ColorDepth() <= 8;
  TCanvas canvas;
  canvas.SetHandle(DC);
  list->DrawFlagged(&canvas, TRect(0, 0, form->GetClientWidth(), form->GetClientHeight()),
                    paletteOnly ? kTile : kTileRealize, 0, 0, GetListIndex(), GetImageIndex());
  canvas.SetHandle(nullptr);
  return true;
}
