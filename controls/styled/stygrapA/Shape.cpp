#include "controls/styled/stygrapA/Shape.h"

#include <algorithm>

TStyShape::TStyShape()
    : FBevel(std::make_unique<TStySimpleBevel>()),
      FBrush(std::make_unique<TBrush>()),
      FShadow(std::make_unique<TStyShadow>()) {
  FBevel->OnChange = [this](TObject* s) { GetChange(s); };
  FBrush->OnChange = [this](TObject* s) { GetChange(s); };
  FShadow->OnChange = [this](TObject* s) { GetChange(s); };
}

TStyShape::~TStyShape() {
  FBevel->OnChange = nullptr;
  FBrush->OnChange = nullptr;
  FShadow->OnChange = nullptr;
}

void TStyShape::Publish(TPublisher<TStyShape>& p) {
  p.Prop("Bevel", &TStyShape::GetBevel, &TStyShape::SetBevel);
  p.Prop("Brush", &TStyShape::GetBrush, &TStyShape::SetBrush);
  p.Prop("RoundPercent", &TStyShape::GetRoundPercent, &TStyShape::SetRoundPercent).Default(33);
  p.Prop("Shadow", &TStyShape::GetShadow, &TStyShape::SetShadow);
  p.Prop("Shape", &TStyShape::GetShape, &TStyShape::SetShape).Default(stRectangle);
  p.Prop("Square", &TStyShape::GetSquare, &TStyShape::SetSquare).Default(false);
}

void TStyShape::SetRoundPercent(TStyPercent value) {
  SetValue(FRoundPercent, std::min<TStyPercent>(value, 100));
}

void TStyShape::Assign(TPersistent* Source) {
  if (Source == this) return;
  auto* src = dynamic_cast<TStyShape*>(Source);
  if (!src) return inherited::Assign(Source);
  BeginUpdate();
  FBevel->Assign(src->FBevel.get());
  FBrush->Assign(src->FBrush.get());
  FShadow->Assign(src->FShadow.get());
  FRoundPercent = src->FRoundPercent;
  FShape = src->FShape;
  FSquare = src->FSquare;
  EndUpdate(true);
}
