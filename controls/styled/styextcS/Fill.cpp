#include "controls/styled/styextcS/Fill.h"

#include "controls/styled/styprocs/Blit.h"

TStyFill::TStyFill(TComponent* AOwner)
    : TStyGraphicControl(AOwner),
      FCaption(std::make_unique<TStyCaption>()),
      FFillObject(std::make_unique<TStyFillObject>()) {
  FCaption->OnChange = [this](TObject* Sender) { Changed(Sender); };
  FFillObject->OnChange = [this](TObject* Sender) { Changed(Sender); };
}

TStyFill::~TStyFill() {
  FCaption->OnChange = nullptr;
  FFillObject->OnChange = nullptr;
}

void TStyFill::Publish(TPublisher<TStyFill>& p) {
  p.Prop("Bevel", &TStyFill::GetBevel, &TStyFill::SetBevel);
  p.Prop("Caption", &TStyFill::GetCaption, &TStyFill::SetCaption);
  p.Prop("FillObject", &TStyFill::GetFillObject, &TStyFill::SetFillObject);
}

void TStyFill::Messages(TMessageMap<TStyFill>& /*m*/) {}

void TStyFill::Changed(TObject* Sender) {
  if (Sender == FFillObject.get()) SetTransparent(FFillObject->IsTransparent());
  Redraw();
}

bool TStyFill::IsEmpty() {
  return FFillObject->IsEmpty() && BevelExtent() == 0 && FCaption->GetCaption().empty();
}

void TStyFill::ImageListChanged(TObject* Sender) {
  if (ImageListEmpty()) {
    FFillObject->SetListBitmap(nullptr);
  } else {
    TBitmap picture;
    GetImageList()->GetImage(GetListIndex(), GetImageIndex(), &picture);
    FFillObject->SetListBitmap(&picture);
  }
  TStyGraphicControl::ImageListChanged(Sender);
}

void TStyFill::Paint() {
  if (Loading()) return;
  if (IsEmpty()) {
    TStyGraphicControl::Paint();
    return;
  }
  // A fill that fails to draw leaves the control as far as it got.
  try {
    TCanvas* canvas = GetCanvas();
    const TStyPackedOrigin origin = PackOrigin(GetLeft(), GetTop());
    const TRect inner = GetBevel()->PaintBevel(canvas, GetClientRect(), GetTransparent());
    FFillObject->Draw(canvas, inner, GetColor(), origin);
    const std::uint16_t flags = 0x0008 | (GetEnabled() ? 0x0002 : 0x0001);
    FCaption->DrawCaption(canvas, FCaption->GetCaption(), inner, flags, canvas->GetBrush()->GetColor(), origin);
  } catch (const Exception&) {}
}
