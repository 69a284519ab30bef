#include "controls/styled/styshapA/ShapeButton.h"

#include <algorithm>
#include <vector>

#include "controls/styled/stycctrl.h"
#include "controls/styled/styprocs/Blit.h"
#include "platform/win/windows.h"

namespace {

std::uint16_t TileFlags(TStyTileMode mode) {
  switch (mode) {
    case tmCenter: return dfCenter;
    case tmStretch: return dfStretch;
    case tmTile: return dfTile;
    default: return 0;
  }
}

}  // namespace

TStyCustomShapeButton::TStyCustomShapeButton(TComponent* AOwner)
    : TStyBaseGraphicButton(AOwner), FFillList(this, [this](TObject*) { FillImageChanged(); }) {
  FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks, csReplicatable};
  SetAllowMouseOver(true);
  FShape = std::make_unique<TStyShape>();
  FShape->GetBrush()->SetColor(clBtnFace);
  FColors = std::make_unique<TStyShapeButtonColor>();
  FShapeFill = std::make_unique<TStyShapeFill>();
  FOutline = std::make_unique<TStyPointList>();
  FFillBitmap = std::make_unique<TBitmap>();
  FBrush = std::make_unique<TBrush>();
  FShape->OnChange = [this](TObject* s) { Changed(s); };
  FColors->OnChange = [this](TObject* s) { Changed(s); };
  FShapeFill->OnChange = [this](TObject* s) { Changed(s); };
  SetTransparent(false);
  Changed(nullptr);
}

TStyCustomShapeButton::~TStyCustomShapeButton() {
  FFillList.Disconnect();
  FShape->OnChange = nullptr;
  FColors->OnChange = nullptr;
  FShapeFill->OnChange = nullptr;
}

void TStyCustomShapeButton::Publish(TPublisher<TStyCustomShapeButton>& p) {
  using B = TStyCustomShapeButton;
  p.Prop("Shape", &B::GetShape, &B::SetShape);
  p.Prop("Style", &B::GetStyle, &B::SetStyle).Default(sbsShadow);
  p.Prop("Colors", &B::GetColors, &B::SetColors);
  p.Prop("Mode", &B::GetMode, &B::SetMode).Default(sbmShapeFast);
  p.Prop("ShapeFill", &B::GetShapeFill, &B::SetShapeFill);
  p.Prop("ShapeFillImageList", &B::GetShapeFillImageList, &B::SetShapeFillImageList)
      .Stored(&B::IsShapeFillImageListStored);
  p.Prop("ShapeFillImageIndex", &B::GetShapeFillImageIndex, &B::SetShapeFillImageIndex).Default(0);
  p.Prop("ShapeFillListIndex", &B::GetShapeFillListIndex, &B::SetShapeFillListIndex).Default(0);
}

void TStyCustomShapeButton::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  DefineGlobalListRef(Filer, "InternalBtn", FFillList.GetImageList(),
                      [this](TStyCustomImageList* list) { SetShapeFillImageList(list); });
  // An old property, read and dropped.
  Filer->DefineProperty(
      "CaptionClip", [](TReader* Reader) { Reader->ReadBoolean(); }, nullptr, false);
}

void TStyCustomShapeButton::SetStyle(TStyShapeButtonStyle value) {
  if (FStyle == value) return;
  FStyle = value;
  Changed(nullptr);
}

void TStyCustomShapeButton::SetMode(TStyShapeButtonMode value) {
  if (FMode == value) return;
  FMode = value;
  if (value == sbmShapeFast) FFillBitmap = std::make_unique<TBitmap>();
  Changed(nullptr);
}

void TStyCustomShapeButton::FillImageChanged() {
  if (!FShapeFill) return;
  TStyCustomImageList* list = FFillList.GetImageList();
  if (!list || !list->IsValidIndex(GetShapeFillListIndex(), GetShapeFillImageIndex())) {
    FShapeFill->SetListBitmap(nullptr);
  } else {
    auto picture = std::make_unique<TBitmap>();
    list->GetImage(GetShapeFillListIndex(), GetShapeFillImageIndex(), picture.get());
    FShapeFill->SetListBitmap(picture.get());
  }
  Changed(nullptr);
}

void TStyCustomShapeButton::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  FFillList.Notification(AComponent, Operation);
}

bool TStyCustomShapeButton::HasHotLook() {
  return FColors->GetUp() != FColors->GetMouseOver();
}

void TStyCustomShapeButton::BoundsChanged(TStyBoundsChanges Changes) {
  inherited::BoundsChanged(Changes);
  if (Changes.Contains(bcSizeChanged)) Changed(nullptr);
}

void TStyCustomShapeButton::Loaded() {
  inherited::Loaded();
  if (FShape->GetShape() == stRectangle) RebuildOutline();
}

void TStyCustomShapeButton::RebuildOutline() {
  TStyShadow* shadow = FStyle == sbs3D ? nullptr : FShape->GetShadow();
  BuildShapeOutline(GetClientRect(), FShape->GetShape(), FOutline.get(), shadow, FShape->GetBevel(),
                    FShape->GetRoundPercent(), FShape->GetSquare());
  // The region of a hit test lies where the outline was built for.
  FOutlineDepth = shadow && shadow->GetStyle() != hssNone ? shadow->GetDepth() : 0;
}

void TStyCustomShapeButton::RenderFillBitmap() {
  const TRect client = GetClientRect();
  if (client.Width() <= 0 || client.Height() <= 0) return;
  FFillBitmap->SetSize(client.Width(), client.Height());
  TCanvas* c = FFillBitmap->GetCanvas();
  switch (FShapeFill->GetStyle()) {
    case sfBitmap:
    case sfBitmapList: {
      c->GetBrush()->SetStyle(bsSolid);
      c->GetBrush()->SetColor(GetColor());
      c->FillRect(client);
      TBitmap* picture = FShapeFill->GetFillBitmap();
      if (picture && !picture->Empty()) {
        TRect painted;
        DrawBitmapRect(c, client, picture, TileFlags(FShapeFill->GetTileMode()), clNone, painted);
      }
      break;
    }
    case sfGradient: FShapeFill->GetGradient()->PaintGradient(c, client); break;
    default: break;
  }
}

void TStyCustomShapeButton::Changed(TObject*) {
  if (!FShape || !FColors || !FShapeFill || !FOutline || !FFillBitmap || !FBrush) return;
  if (FMode == sbmShapeFill) RenderFillBitmap();
  RebuildOutline();
  if (GetTransparent() && FMode == sbmShapeFill)
    Repaint();
  else
    Invalidate();
}

bool TStyCustomShapeButton::Pressed() const {
  const std::uint8_t s = GetState();
  return s == bsLatched || s == bsHeld || s == bsDropped || s == bsDisabledLatched;
}

TRect TStyCustomShapeButton::CaptionRect() const {
  const int w = FShape->GetBevel()->GetWidth();
  const int d = FShape->GetShadow()->GetDepth();
  TRect r(w, w, GetWidth() - w - d, GetHeight() - w - d);
  const std::uint8_t s = GetState();
  if (s == bsLatched || s == bsHeld || s == bsDropped) {
    const int shift = FStyle == sbs3D ? 2 : d;
    r = TRect(r.Left + shift, r.Top + shift, r.Right + shift, r.Bottom + shift);
  }
  return r;
}

void TStyCustomShapeButton::PaintBackground(TCanvas* Canvas) {
  auto* parent = dynamic_cast<TStyCustomControl*>(GetParent());
  if (parent && UsesParentBackground())
    parent->DrawBackgroundArea(Canvas, GetClientRect(), ParentBackgroundOrigin(GetLeft(), GetTop()), 0);
}

void TStyCustomShapeButton::Paint() {
  if (Loading()) return;
  if (FMode == sbmShapeFast)
    PaintFast();
  else
    PaintFill();
}

namespace {

// The shadow and bevel a paint passes to the painter, by style and press.
struct TPreparedShape {
  std::unique_ptr<TStyShadow> tempShadow;
  std::unique_ptr<TStySimpleBevel> tempBevel;
  TStyShadow* shadow = nullptr;
  TStySimpleBevel* bevel = nullptr;
  TPreparedShape(TStyShape& shape, TStyShapeButtonStyle style, bool pressed) {
    if (style == sbs3D) {
      tempBevel = std::make_unique<TStySimpleBevel>();
      tempBevel->SetLightColor(shape.GetBevel()->GetLightColor());
      tempBevel->SetShadowColor(shape.GetBevel()->GetShadowColor());
      tempBevel->SetWidth(shape.GetBevel()->GetWidth());
      tempBevel->SetStyle(pressed ? sbInset : sbOffset);
      bevel = tempBevel.get();
      return;
    }
    bevel = shape.GetBevel();
    shadow = shape.GetShadow();
    if (pressed) {
      tempShadow = std::make_unique<TStyShadow>();
      tempShadow->SetColor(shadow->GetColor());
      tempShadow->SetStyle(shadow->GetStyle());
      tempShadow->SetDepth(0);
      shadow = tempShadow.get();
    }
  }
};

}  // namespace

void TStyCustomShapeButton::PaintFast() {
  TCanvas* canvas = GetCanvas();
  if (!GetTransparent())
    FillBackground();
  else
    PaintBackground(canvas);
  static constexpr int kColorOfState[] = {4, 0, 2, 3, 1, 4, 3, 0};
  const std::uint8_t state = std::min<std::uint8_t>(GetState(), 7);
  const TColor colors[] = {FColors->GetDisabled(), FColors->GetDown(), FColors->GetMouseOver(), FColors->GetOptionSet(),
                           FColors->GetUp()};
  FBrush->Assign(FShape->GetBrush());
  FBrush->SetColor(colors[kColorOfState[state]]);
  TPreparedShape prepared(*FShape, FStyle, Pressed());
  PaintShape(GetClientRect(), canvas, FShape->GetShape(), FOutline.get(), FShape->GetSquare(), FBrush.get(),
             FShape->GetRoundPercent(), prepared.bevel, prepared.shadow, nullptr, GetColor());
  DrawFace(canvas, CaptionRect());
}

void TStyCustomShapeButton::PaintFill() {
  const TRect client = GetClientRect();
  if (client.Width() <= 0 || client.Height() <= 0) return;
  const bool pressed = Pressed();
  const int d = FShape->GetShadow()->GetDepth();
  // The fill picture moves with a pressed face.
  std::unique_ptr<TBitmap> moved;
  TBitmap* picture = FFillBitmap.get();
  if (pressed) {
    moved = std::make_unique<TBitmap>();
    moved->SetSize(client.Width(), client.Height());
    const int shift = FStyle == sbs3D ? 2 : d;
    moved->GetCanvas()->Draw(shift, shift, FFillBitmap.get());
    picture = moved.get();
  }
  auto work = std::make_unique<TBitmap>();
  work->SetSize(client.Width(), client.Height());
  TCanvas* wc = work->GetCanvas();
  const bool parentBack = UsesParentBackground();
  wc->GetBrush()->SetStyle(bsSolid);
  wc->GetBrush()->SetColor(GetColor());
  wc->FillRect(client);
  if (parentBack) PaintBackground(wc);
  TPreparedShape prepared(*FShape, FStyle, pressed);
  std::unique_ptr<TBrush> brush = std::make_unique<TBrush>();
  TBitmap* fillPicture = nullptr;
  switch (FShapeFill->GetStyle()) {
    case sfNone: brush->SetStyle(bsClear); break;
    case sfBrushBitmap: brush->SetBitmap(FShapeFill->GetBitmap()); break;
    case sfBrush: brush->Assign(FShape->GetBrush()); break;
    case sfGradient: FShapeFill->GetGradient()->RealizeGradientPalette(GetCanvas()); [[fallthrough]];
    case sfBitmap:
    case sfBitmapList:
      brush->Assign(FShape->GetBrush());
      fillPicture = picture;
      break;
  }
  PaintShape(client, wc, FShape->GetShape(), FOutline.get(), FShape->GetSquare(), brush.get(),
             FShape->GetRoundPercent(), prepared.bevel, prepared.shadow, fillPicture, GetColor());
  DrawFace(wc, CaptionRect());
  if (parentBack || !GetTransparent()) {
    GetCanvas()->Draw(0, 0, work.get());
  } else {
    TRect painted;
    DrawBitmapExt(GetCanvas(), client, wc, client, dfPalette | dfTransparent, GetColor(), GetPalette(), nullptr,
                  painted);
  }
}

bool TStyCustomShapeButton::IsPointInButton(int X, int Y) {
  // The region of the outline as it was built, moved to where the face
  // rests: by the depth the outline was built with (none for the 3D style
  // or without a shadow).
  const int d = FOutlineDepth;
  const int corner = std::min(GetWidth() - d, GetHeight() - d) * FShape->GetRoundPercent() / 100;
  const int n = FOutline->GetCount() / 2;
  if (n < 2) return true;
  const TPoint a = FOutline->At(0);
  const TPoint b = FOutline->At(1);
  HRGN region = nullptr;
  switch (FShape->GetShape()) {
    case stEllipse: region = CreateEllipticRgn(a.X, a.Y, b.X, b.Y); break;
    case stRectangle: region = CreateRectRgn(a.X, a.Y, b.X, b.Y); break;
    case stRoundRect: region = CreateRoundRectRgn(a.X, a.Y, b.X, b.Y, corner, corner); break;
    default: {
      std::vector<POINT> points;
      for (int i = 0; i < n; ++i) points.push_back(FOutline->At(i));
      region = CreatePolygonRgn(points.data(), n, WINDING);
      break;
    }
  }
  if (!region) return true;
  OffsetRgn(region, -d, -d);
  const bool inside = PtInRegion(region, X, Y) != FALSE;
  DeleteObject(region);
  return inside;
}
