#include "controls/shell/UNavTreeList/CustomDraw.h"

TNavCustomDraw::TNavCustomDraw(NMCUSTOMDRAW* notification, TFont* controlFont, LRESULT* result)
    : FControlFont(controlFont) {
  TNavCustomDraw::Init(notification, result);
  FBrush.reset(CreateBrush());
  FFont.reset(CreateFont());
}

TNavCustomDraw::~TNavCustomDraw() = default;

void TNavCustomDraw::Init(NMCUSTOMDRAW* notification, LRESULT* result) {
  FNotification = notification;
  FResult = result;
  FFont.reset();
  FBrush.reset();
  FFontChanged = false;
  FBrushChanged = false;
}

TFont* TNavCustomDraw::GetFont() {
  if (!FFont) FFont.reset(CreateFont());
  return FFont.get();
}

TBrush* TNavCustomDraw::GetBrush() {
  if (!FBrush) FBrush.reset(CreateBrush());
  return FBrush.get();
}

TFont* TNavCustomDraw::CreateFont() {
  auto* font = new TFont();
  if (FControlFont) font->Assign(FControlFont);
  font->SetColor(static_cast<TColor>(GetTextColor(FNotification->hdc)));
  font->OnChange = [this](TObject*) { FFontChanged = true; };
  return font;
}

TBrush* TNavCustomDraw::CreateBrush() {
  auto* brush = new TBrush();
  brush->SetColor(static_cast<TColor>(GetBkColor(FNotification->hdc)));
  brush->OnChange = [this](TObject*) { FBrushChanged = true; };
  return brush;
}

int TNavCustomDraw::Stage() const {
  switch (FNotification->dwDrawStage) {
    case CDDS_PREPAINT: return 1;
    case CDDS_POSTPAINT: return 2;
    case CDDS_ITEMPREPAINT: return 4;
    case CDDS_ITEMPOSTPAINT: return 5;
    default: return 0;
  }
}

void TNavCustomDraw::ApplyTo(COLORREF& textColor, COLORREF& textBkColor) {
  LRESULT answer = 0;
  switch (Stage()) {
    case 1:
      if (NotifyItemDraw) answer |= CDRF_NOTIFYITEMDRAW;
      break;
    case 4:
      if (SkipDefault) {
        answer |= CDRF_SKIPDEFAULT;
        break;
      }
      if (FFontChanged) {
        HDC dc = FNotification->hdc;
        HFONT font = FFont->GetHandle();
        if (GetCurrentObject(dc, OBJ_FONT) != font) SelectObject(dc, font);
        answer |= CDRF_NEWFONT;
        textColor = ColorToRGB(FFont->GetColor());
      }
      if (FBrushChanged) textBkColor = ColorToRGB(FBrush->GetColor());
      break;
    default: break;
  }
  if (FResult) *FResult = answer;
}
