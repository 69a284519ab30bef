#include "controls/styled/styctrlA/NImage.h"

TStyCustomNImage::TStyCustomNImage(TComponent* AOwner)
    : TStyBaseImage(AOwner),
      FBitmap(std::make_unique<TBitmap>()),
      FTransparentStyle(std::make_unique<TStyTransparent>()) {
  FBitmap->OnChange = [this](TObject* Sender) { Changed(Sender); };
  FTransparentStyle->OnChange = [this](TObject* Sender) { Changed(Sender); };
}

TStyCustomNImage::~TStyCustomNImage() {
  FBitmap->OnChange = nullptr;
  FTransparentStyle->OnChange = nullptr;
}

void TStyNImage::Publish(TPublisher<TStyNImage>& p) {
  p.Prop("Bitmap", &TStyNImage::GetBitmap, &TStyNImage::SetBitmap);
  p.Prop("Control", &TStyNImage::GetControl, &TStyNImage::SetControl);
  p.Prop("TransparentStyle", &TStyNImage::GetTransparentStyle, &TStyNImage::SetTransparentStyle);
}

void TStyCustomNImage::SetBitmap(TBitmap* value) {
  FBitmap->Assign(value);
}

void TStyCustomNImage::SetControl(TStyCustomNImage* value) {
  if (value == FControl || value == this) return;
  FControl = value;
  if (value) value->FreeNotification(this);
  Redraw();
}

TBitmap* TStyCustomNImage::CurrentBitmap() {
  return FControl ? FControl->GetBitmap() : FBitmap.get();
}

bool TStyCustomNImage::IsEmpty() {
  return CurrentBitmap()->Empty();
}

HPALETTE TStyCustomNImage::GetPalette() {
  return IsEmpty() ? nullptr : CurrentBitmap()->GetPalette();
}

bool TStyCustomNImage::AdjustImageSize() {
  if (GetStyle() != sbAutosize) return false;
  TBitmap* bitmap = CurrentBitmap();
  return ApplyAutoSize(bitmap->GetWidth(), bitmap->GetHeight());
}

void TStyCustomNImage::Notification(TComponent* AComponent, TOperation Operation) {
  TStyBaseImage::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FControl) {
    FControl = nullptr;
    Redraw();
  }
}

void TStyCustomNImage::Paint() {
  TRect inner;
  if (!PaintFrame(false, inner)) return;
  try {
    TBitmap* bitmap = CurrentBitmap();
    std::uint16_t flags = 0;
    TColor color = 0;
    switch (FTransparentStyle->GetMode()) {
      case tpNone: break;
      case tpRestoreBack:
        flags = dfTransparent;
        color = bitmap->GetTransparentColor();
        break;
      case tpTransparentColor:
        flags = dfBrushCopy;
        color = FTransparentStyle->GetColor();
        break;
      case tpRBTranspColor:
        flags = dfTransparent;
        color = FTransparentStyle->GetColor();
        break;
    }
    flags |= StyleFlags();
    RealizePalette(bitmap->GetPalette());
    DrawBitmap(GetCanvas(), inner, bitmap, flags, PackOrigin(GetLeft(), GetTop()), color);
  } catch (const Exception&) {}
}
