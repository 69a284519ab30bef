#include "controls/styled/stygraph/Fills.h"

#include "controls/styled/styprocs/Blit.h"
#include "controls/styled/stysysin.h"
#include "platform/win/windows.h"

TStyShapeFill::TStyShapeFill()
    : FBitmap(std::make_unique<TBitmap>()),
      FListBitmap(std::make_unique<TBitmap>()),
      FGradient(std::make_unique<TStyGradient>()) {
  FBitmap->OnChange = [this](TObject* s) { GetChange(s); };
  FGradient->OnChange = [this](TObject* s) { GetChange(s); };
}

TStyShapeFill::~TStyShapeFill() {
  FBitmap->OnChange = nullptr;
  FGradient->OnChange = nullptr;
}

void TStyShapeFill::Publish(TPublisher<TStyShapeFill>& p) {
  p.Prop("Bitmap", &TStyShapeFill::GetBitmap, &TStyShapeFill::SetBitmap);
  p.Prop("Gradient", &TStyShapeFill::GetGradient, &TStyShapeFill::SetGradient);
  p.Prop("Style", &TStyShapeFill::GetStyle, &TStyShapeFill::SetStyle);
  p.Prop("TileMode", &TStyShapeFill::GetTileMode, &TStyShapeFill::SetTileMode).Default(tmTile);
}

void TStyShapeFill::SetListBitmap(TBitmap* value) {
  if (value)
    FListBitmap->Assign(value);
  else
    FListBitmap = std::make_unique<TBitmap>();
}

TBitmap* TStyShapeFill::GetFillBitmap() const {
  if (FStyle == sfBitmap) return FBitmap.get();
  if (FStyle == sfBitmapList) return FListBitmap.get();
  return nullptr;
}

bool TStyShapeFill::IsEmpty() const {
  if (FStyle == sfNone) return true;
  if (FStyle == sfBitmap) return FBitmap->Empty();
  if (FStyle == sfBitmapList) return FListBitmap->Empty();
  return false;
}

HPALETTE TStyShapeFill::GetPalette() const {
  switch (FStyle) {
    case sfBrushBitmap:
    case sfBitmap: return FBitmap->GetPalette();
    case sfBitmapList: return FListBitmap->GetPalette();
    case sfGradient: return FGradient->GetPalette();
    default: return nullptr;
  }
}

void TStyShapeFill::CopyShapeFill(const TStyShapeFill& src) {
  FBitmap->Assign(src.FBitmap.get());
  FListBitmap->Assign(src.FListBitmap.get());
  FGradient->Assign(src.FGradient.get());
}

void TStyShapeFill::Assign(TPersistent* Source) {
  if (Source == this) return;
  auto* src = dynamic_cast<TStyShapeFill*>(Source);
  if (!src) return inherited::Assign(Source);
  BeginUpdate();
  CopyShapeFill(*src);
  FStyle = src->FStyle;
  FTileMode = src->FTileMode;
  EndUpdate(true);
}

TStyFillObject::TStyFillObject() : FBrush(std::make_unique<TBrush>()) {
  FBrush->OnChange = [this](TObject* s) { GetChange(s); };
  BeginUpdate();
  SetStyle(sfNone);
  EndUpdate(false);
}

TStyFillObject::~TStyFillObject() {
  FBrush->OnChange = nullptr;
}

void TStyFillObject::Publish(TPublisher<TStyFillObject>& p) {
  p.Prop("Alignment", &TStyFillObject::GetAlignment, &TStyFillObject::SetAlignment).Default(agTopLeft);
  p.Prop("OffsetX", &TStyFillObject::GetOffsetX, &TStyFillObject::SetOffsetX).Default(0);
  p.Prop("OffsetY", &TStyFillObject::GetOffsetY, &TStyFillObject::SetOffsetY).Default(0);
  p.Prop("Brush", &TStyFillObject::GetBrush, &TStyFillObject::SetBrush);
  p.Prop("Options", &TStyFillObject::GetOptions, &TStyFillObject::SetOptions)
      .Default(TStyFillOptions{foFillInner, foGrUseBitmap});
}

void TStyFillObject::SetAlignment(TStyAlignment value) {
  if (FAlignment == value) return;
  FAlignment = value;
  if (MovesPicture()) Change();
}

void TStyFillObject::SetOffset(int index, int value) {
  if (FOffset[index] == value) return;
  FOffset[index] = value;
  if (MovesPicture()) Change();
}

bool TStyFillObject::IsTransparent() const {
  const bool inner = FOptions.Contains(foFillInner);
  switch (FStyle) {
    case sfNone: return true;
    case sfBrush: return FBrush->GetStyle() != bsSolid && !inner;
    case sfBitmap:
    case sfBitmapList: return (FTileMode == tmNone || FTileMode == tmCenter) && !inner;
    default: return false;
  }
}

void TStyFillObject::Draw(TCanvas* Canvas, const TRect& R, TColor Color, std::uint32_t Offset) {
  if (FStyle == sfGradient && FOptions.Contains(foGrUseBitmap)) {
    PaintFill(Canvas, R, Color);
    return;
  }
  TStySavedClip clip = SelectRectClip(Canvas->GetHandle(), R, Offset);
  try {
    PaintFill(Canvas, R, Color);
  } catch (...) {
    RestoreClip(Canvas->GetHandle(), clip);
    throw;
  }
  RestoreClip(Canvas->GetHandle(), clip);
}

void TStyFillObject::PaintFill(TCanvas* Canvas, const TRect& R, TColor Color) {
  auto fillInner = [&] {
    if (!FOptions.Contains(foFillInner)) return;
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(Color);
    Canvas->FillRect(R);
  };
  switch (FStyle) {
    case sfNone: break;
    case sfBrushBitmap: {
      std::unique_ptr<TBitmap> small;
      TBitmap* pattern = GetBitmap()->Empty() ? nullptr : GetBitmap();
      if (pattern && !IsWindowsNT) {
        small = std::make_unique<TBitmap>();
        small->SetSize(8, 8);
        small->GetCanvas()->CopyRect(TRect(0, 0, 8, 8), pattern->GetCanvas(), TRect(0, 0, 8, 8));
        pattern = small.get();
      }
      if (pattern) Canvas->GetBrush()->SetBitmap(pattern);
      Canvas->FillRect(R);
      Canvas->GetBrush()->SetBitmap(nullptr);
      break;
    }
    case sfBrush:
      Canvas->GetBrush()->Assign(FBrush.get());
      Canvas->GetPen()->SetColor(Color);
      if (FBrush->GetStyle() != bsSolid) SetBkColor(Canvas->GetHandle(), ColorToRGB(Color));
      Canvas->FillRect(R);
      break;
    case sfBitmap:
    case sfBitmapList: {
      TBitmap* bitmap = GetFillBitmap();
      if (bitmap->Empty()) {
        fillInner();
        break;
      }
      std::uint16_t flags = FOptions.Contains(foQuickDraw) ? 0 : dfPalette;
      switch (FTileMode) {
        case tmNone: {
          fillInner();
          const int w = bitmap->GetWidth(), h = bitmap->GetHeight();
          const int col = FAlignment % 3, row = FAlignment / 3;
          const int x = R.Left + (col == 0 ? 0 : col == 1 ? (R.Width() - w) / 2 : R.Width() - w);
          const int y = R.Top + (row == 0 ? 0 : row == 1 ? (R.Height() - h) / 2 : R.Height() - h);
          DrawBitmap(Canvas, Bounds(x + FOffset[0], y + FOffset[1], w, h), bitmap, flags, 0, clNone);
          break;
        }
        case tmCenter:
          fillInner();
          DrawBitmap(Canvas, R, bitmap, flags | dfCenter, 0, clNone);
          break;
        case tmStretch: DrawBitmap(Canvas, R, bitmap, flags | dfStretch, 0, clNone); break;
        case tmTile: DrawBitmap(Canvas, R, bitmap, flags | dfTile, 0, clNone); break;
      }
      break;
    }
    case sfGradient: {
      TStyGradient* g = GetGradient();
      std::uint16_t flags = FOptions.Contains(foGrUseBitmap) ? dfOffscreen : 0;
      if (g->GetPaletteRealize()) flags |= dfPalette;
      FillGradient(Canvas, R, g->GetStyle(), &g->GetColors(), g->GetPalette(), flags, 0);
      break;
    }
  }
}

void TStyFillObject::Assign(TPersistent* Source) {
  if (Source == this) return;
  auto* src = dynamic_cast<TStyFillObject*>(Source);
  if (!src) return inherited::Assign(Source);
  BeginUpdate();
  FBrush->Assign(src->FBrush.get());
  FOptions = src->FOptions;
  CopyShapeFill(*src);
  SetStyle(src->FStyle);
  SetTileMode(src->FTileMode);
  EndUpdate(true);
}
