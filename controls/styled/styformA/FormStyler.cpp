#include "controls/styled/styformA/FormStyler.h"

#include <algorithm>
#include <cstring>

#include "controls/styled/styprocs/Blit.h"
#include "controls/styled/styprocs/Gradients.h"
#include "controls/styled/styprocs/Text3D.h"
#include "controls/styled/stysysin.h"
#include "platform/vcl/Forms.h"
#include "platform/win/windows.h"

namespace {

// The caption that stands in the form's place while the styler paints its
// own: one space, so the system draws no text under ours.
constexpr char kBlankCaption[] = " ";

// Calls a paint event with the canvas clipped to Dest.
void CallClipped(const TStyPaintEvent& Event, TObject* Sender, TCanvas* Canvas, const TRect& Dest) {
  HDC dc = Canvas->GetHandle();
  // The context keeps a copy of the region, so it goes at once; the clip
  // comes off again even when the handler fails.
  HRGN clip = CreateRectRgn(Dest.Left, Dest.Top, Dest.Right, Dest.Bottom);
  SelectClipRgn(dc, clip);
  DeleteObject(clip);
  struct Unclip {
    HDC dc;
    ~Unclip() { SelectClipRgn(dc, nullptr); }
  } unclip{dc};
  Event(Sender, Canvas, Dest);
}

}  // namespace

TStyFormStyler::TStyFormStyler(TComponent* AOwner)
    : TStyWndProcComponent(AOwner),
      FFont(std::make_unique<TFont>()),
      FFont3D(std::make_unique<TSty3DCaption>()),
      FIcon(std::make_unique<TBitmap>()),
      FCanvas(std::make_unique<TCanvas>()) {
  FFont->OnChange = [this](TObject*) { FontChanged(); };
  FFont3D->OnChange = [this](TObject*) { FontChanged(); };
  if (Designing() && CheckOwnerForm(AOwner, StaticClass(), false)) throw StyEOneInstError(ClassType()->Name, 0);
}

TStyFormStyler::~TStyFormStyler() {
  // Freed while its form lives, the styler hands the form its own caption
  // back, or the form keeps the blank for good.
  TCustomForm* form = Form();
  if (FCaptionHidden && form && !form->GetComponentState().Contains(csDestroying)) form->SetCaption(FCaption);
  FCaptionHidden = false;
  FFont->OnChange = nullptr;
  FFont3D->OnChange = nullptr;
  FCanvas->SetHandle(nullptr);
}

void TStyFormStyler::Publish(TPublisher<TStyFormStyler>& p) {
  using C = TStyFormStyler;
  p.Prop("Alignment", &C::GetAlignment, &C::SetAlignment).Default(taLeftJustify);
  p.Prop("Colors", &C::GetColors, &C::SetColors).Default(32);
  p.Prop("Enabled", &C::GetEnabled, &C::SetEnabled).Default(true);
  p.Prop("Font", &C::GetFont, &C::SetFont);
  p.Prop("Font3D", &C::GetFont3D, &C::SetFont3D);
  p.Prop("PaintMode", &C::GetPaintMode, &C::SetPaintMode).Default(pcControl);
  p.Prop("Options", &C::GetOptions, &C::SetOptions).Default(kStyDefaultFormStyleOptions);
}

TCustomForm* TStyFormStyler::Form() const {
  return dynamic_cast<TCustomForm*>(const_cast<TStyFormStyler*>(this)->GetOwner());
}

void TStyFormStyler::Activate() {
  if (!GetEnabled()) return;
  inherited::Activate();
  // Until the next activation message, the window's standing decides.
  HWND wnd = TargetWindow();
  if (GetHooked() && wnd) FActive = GetActiveWindow() == wnd;
  TCustomForm* form = Form();
  // Saved once: a second activation must not take the blank for the caption.
  if (form && !FOptions.Contains(fsUseFormCaption) && !FCaptionHidden) {
    FCaption = form->GetCaption();
    form->SetCaption(kBlankCaption);
    FCaptionHidden = true;
  }
  if (!GetComponentState().Contains(csLoading)) PaintCaption(true);
}

void TStyFormStyler::Deactivate() {
  FIcon->SetSize(0, 0);
  TCustomForm* form = Form();
  if (form && FCaptionHidden) form->SetCaption(FCaption);
  FCaptionHidden = false;
  if (!GetComponentState().Contains(csDestroying)) LetSystemRepaint();
}

void TStyFormStyler::LetSystemRepaint() {
  HWND wnd = TargetWindow();
  if (wnd && IsWindow(wnd)) SendMessageA(wnd, WM_NCACTIVATE, TRUE, 0);
}

void TStyFormStyler::WndProc(TMessage& Message) {
  HWND wnd = TargetWindow();
  const bool going = Message.Msg == WM_DESTROY || !wnd || !IsWindow(wnd);
  if (!GetEnabled() || FPaintMode == pcNone || going) return inherited::WndProc(Message);
  const bool ownText = !FOptions.Contains(fsUseFormCaption);
  switch (Message.Msg) {
    case WM_GETTEXT: {
      if (!ownText) break;
      // Never more than the caller's buffer holds, terminator included.
      auto* buffer = reinterpret_cast<char*>(Message.LParam);
      const size_t room = static_cast<size_t>(Message.WParam);
      if (!buffer || room == 0) {
        Message.Result = 0;
        return;
      }
      const size_t n = std::min(std::strlen(kBlankCaption), room - 1);
      std::memcpy(buffer, kBlankCaption, n);
      buffer[n] = '\0';
      Message.Result = static_cast<LRESULT>(n);
      return;
    }
    case WM_GETTEXTLENGTH:
      if (!ownText) break;
      Message.Result = 1;
      return;
    case WM_NCPAINT:
      inherited::WndProc(Message);
      if (FActive || FOptions.Contains(fsInactiveGradient)) PaintCaption(true);
      Message.Result = 0;
      return;
    case WM_NCACTIVATE:
      FActive = Message.WParam != 0;
      inherited::WndProc(Message);
      if (FActive || FOptions.Contains(fsInactiveGradient)) PaintCaption(false);
      Message.Result = 1;
      return;
    default: break;
  }
  inherited::WndProc(Message);
}

bool TStyFormStyler::SystemPaintsGradient() const {
  return FOptions.Contains(fsCheckSystemGradient) && SystemGradientCaptions() && ColorDepth() > 8;
}

void TStyFormStyler::PaintCaption(bool CaptureIcon) {
  if (Designing() || !GetEnabled() || FPaintMode == pcNone || FPainting) return;
  TCustomForm* form = Form();
  if (!form || !form->HandleAllocated()) return;
  HWND wnd = form->GetHandle();
  if (!IsWindow(wnd) || !IsWindowVisible(wnd)) return;
  if (!NewStyleControls() && IsIconic(wnd)) return;
  if (SystemPaintsGradient()) return;
  FPainting = true;
  if (FOptions.Contains(fsUseFormCaption)) FCaption = form->GetCaption();
  HDC dc = GetWindowDC(wnd);
  FCanvas->SetHandle(dc);
  try {
    TRect bar, text;
    WORD flags = cfExcludeButtons;
    if (FPaintMode == pcOwnerDraw && FOptions.Contains(fsAdjustRect)) flags |= cfStartAtText;
    if (form->GetBorderStyle() == fbsSingle) flags |= cfSingleBorder;
    GetCaptionRects(wnd, bar, text, flags);
    FToolWindow = (flags & cfSmallCaption) != 0;
    const bool hasIcon = (flags & cfHasIcon) != 0;
    const bool painted = FActive || FOptions.Contains(fsInactiveGradient);
    if (FPaintMode == pcOwnerDraw) {
      if (OnPaint) CallClipped(OnPaint, this, FCanvas.get(), bar);
    } else {
      const TRect iconArea(bar.Left, bar.Top, text.Left, bar.Bottom);
      if (CaptureIcon && hasIcon && iconArea.Right > iconArea.Left) {
        FIcon->SetSize(iconArea.Right - iconArea.Left, iconArea.Bottom - iconArea.Top);
        BitBlt(FIcon->GetCanvas()->GetHandle(), 0, 0, FIcon->GetWidth(), FIcon->GetHeight(), dc, iconArea.Left,
               iconArea.Top, SRCCOPY);
      }
      if (painted) {
        DrawGradient(FCanvas.get(), bar, 0, FActive ? clActiveCaption : clInactiveCaption, FColors, gstHorizontal, 0,
                     0);
        if (NewStyleControls() && hasIcon && FIcon->GetWidth() > 0) {
          TRect done;
          DrawBitmapRect(
              FCanvas.get(),
              TRect(iconArea.Left, iconArea.Top, iconArea.Left + FIcon->GetWidth(), iconArea.Top + FIcon->GetHeight()),
              FIcon.get(), 0x0040, FIcon->GetTransparentColor(), done);
        }
      }
    }
    PaintCaptionText(text);
  } catch (...) {
    FCanvas->SetHandle(nullptr);
    ReleaseDC(wnd, dc);
    FPainting = false;
    throw;
  }
  FCanvas->SetHandle(nullptr);
  ReleaseDC(wnd, dc);
  FPainting = false;
}

void TStyFormStyler::PaintCaptionText(const TRect& TextRect) {
  const bool defaultFont = FOptions.Contains(fsUseDefaultFont);
  if (defaultFont && !NewStyleControls()) {
    FCanvas->GetFont()->SetHandle(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    FCanvas->GetFont()->SetStyle(TFontStyles{fsBold});
    FCanvas->GetFont()->SetHeight(TextRect.Bottom - TextRect.Top);
  } else {
    FCanvas->GetFont()->Assign(FFont.get());
  }
  FCanvas->GetBrush()->SetStyle(bsClear);
  TColor colour;
  if (!FActive) {
    colour = clInactiveCaptionText;
  } else if (defaultFont || !FOptions.Contains(fsUseFontColor)) {
    colour = ColorToRGB(clCaptionText) == 0 ? clWhite : clCaptionText;
  } else {
    colour = FFont->GetColor();
  }
  FCanvas->GetFont()->SetColor(colour);
  if (FOptions.Contains(fsDrawCaptionEvent) || FPaintMode == pcOwnerDraw) {
    if (OnCaptionPaint) CallClipped(OnCaptionPaint, this, FCanvas.get(), TextRect);
    return;
  }
  if (!(FActive || !FOptions.Contains(fsUseFormCaption) || FOptions.Contains(fsInactiveGradient))) return;
  static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | kAlign[FAlignment];
  if (defaultFont) {
    RECT r = TextRect;
    DrawTextA(FCanvas->GetHandle(), FCaption.c_str(), static_cast<int>(FCaption.size()), &r, format);
  } else {
    DrawText3D(FCanvas.get(), FCaption, FFont3D.get(), TextRect, format, tfEnabled, nullptr);
  }
}

void TStyFormStyler::Repaint() {
  if (FPaintMode != pcNone)
    PaintCaption(true);
  else
    LetSystemRepaint();
}

void TStyFormStyler::FontChanged() {
  if (FPaintMode != pcNone && !FOptions.Contains(fsUseDefaultFont)) PaintCaption(false);
}

void TStyFormStyler::SetAlignment(TAlignment value) {
  if (FAlignment == value) return;
  FAlignment = value;
  if (FPaintMode != pcNone) PaintCaption(false);
}

void TStyFormStyler::SetColors(TStyColorCount value) {
  value = std::clamp<TStyColorCount>(value, 2, 236);
  if (FColors == value) return;
  FColors = value;
  if (FPaintMode == pcControl) PaintCaption(false);
}

void TStyFormStyler::SetOptions(TStyFormStyleOptions value) {
  if (FOptions == value) return;
  FOptions = value;
  Repaint();
}

void TStyFormStyler::SetPaintMode(TStyPaintMode value) {
  if (FPaintMode == value) return;
  FPaintMode = value;
  Repaint();
}
