#include "controls/styled/styprocs/Text3D.h"

#include <algorithm>
#include <cmath>

#include "controls/styled/styprocs/Blit.h"
#include "controls/styled/stygraph/Captions.h"
#include "controls/styled/styutils.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

namespace {

// 0: no caption or a plain 3D one, 1: unrotated effects caption, 2: rotated.
int ModeOf(TSty3DCaption* Caption) {
  auto* fx = dynamic_cast<TStyFxCaption*>(Caption);
  if (!fx) return 0;
  return fx->GetAngle() == 0 ? 1 : 2;
}

int DepthGrowth(TSty3DCaption* c) {
  switch (c->GetStyle()) {
    case tdSunken:
    case tdRaised: return c->GetLightDepth();
    case tdSunkenShadow:
    case tdRaisedShadow:
    case tdPColorSunken:
    case tdPColorRaised: return c->GetLightDepth() + c->GetShadowDepth();
    case tdShadow: return c->GetShadowDepth();
    default: return 0;
  }
}

int DepthMargin(TSty3DCaption* c) {
  switch (c->GetStyle()) {
    case tdSunken:
    case tdRaised: return c->GetLightDepth() / 2 - 1;
    case tdSunkenShadow:
    case tdRaisedShadow:
    case tdPColorSunken:
    case tdPColorRaised: return (c->GetLightDepth() + c->GetShadowDepth()) / 2 - 1;
    case tdShadow: return c->GetShadowDepth() / 2 - 1;
    default: return 0;
  }
}

// A screen context with a font selected, released when it goes.
class ScreenText {
 public:
  explicit ScreenText(TFont* font) : dc_(GetDC(nullptr)) { old_ = SelectObject(dc_, font->GetHandle()); }
  ~ScreenText() {
    SetTextCharacterExtra(dc_, 0);
    SelectObject(dc_, old_);
    ReleaseDC(nullptr, dc_);
  }
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

void AlignRect(TStyAlignment Alignment, const TRect& Inner, const TRect& Outer, TRect& Result) {
  const int iw = Inner.Width(), ih = Inner.Height(), ow = Outer.Width(), oh = Outer.Height();
  const int row = Alignment / 3, col = Alignment % 3;
  const int top = row == 0 ? 0 : row == 1 ? (oh - ih) / 2 : oh - ih;
  const int left = col == 0 ? 0 : col == 1 ? (ow - iw) / 2 : ow - iw;
  Result = Bounds(Outer.Left + left, Outer.Top + top, iw, ih);
}

void MeasureText3D(const std::string& Text, TSty3DCaption* Caption, TRect& R, TFont* Font, bool MultiLine,
                   bool ShowAccel, int ExtraMargin, UINT Format) {
  ScreenText screen(Font);
  HDC dc = screen.dc();
  const int mode = ModeOf(Caption);
  if (mode == 2) {
    auto* fx = static_cast<TStyFxCaption*>(Caption);
    if (fx->GetTracing()) SetTextCharacterExtra(dc, fx->GetTracing());
    SIZE size{};
    GetTextExtentPoint32A(dc, Text.c_str(), static_cast<int>(Text.size()), &size);
    const int w = size.cx, h = size.cy;
    R = TRect(0, 0, w, h);
    const int grow = DepthGrowth(Caption);
    R.Right += grow;
    R.Bottom += grow;
    RotatedBounds(R, fx->GetAngle());
    const double a = fx->GetAngle() * M_PI / 180.0;
    const double s = std::sin(a), c = std::cos(a);
    const double cx = R.Width() / 2.0, cy = R.Height() / 2.0;
    const int hw = w / 2, hh = h / 2;
    const int d = std::max(0, DepthMargin(Caption));
    const int posX = static_cast<int>(Round(cx - c * hw - s * hh)) - d;
    const int posY = static_cast<int>(Round(hw * s + cy - hh * c)) - d;
    fx->SetPos(static_cast<std::int16_t>(posX), static_cast<std::int16_t>(posY));
  } else {
    if (mode == 1) static_cast<TStyFxCaption*>(Caption)->SetPos(0, 0);
    UINT format = Format | DT_CALCRECT | DT_EXPANDTABS;
    if (MultiLine) format |= DT_WORDBREAK;
    if (!ShowAccel) format |= DT_NOPREFIX;
    std::string text = Text;
    if (text.empty() || (text == "&" && ShowAccel)) text.assign(1, ' ');
    if (Caption && Caption->GetTracing()) SetTextCharacterExtra(dc, Caption->GetTracing());
    RECT r = R;
    DrawTextExA(dc, text.data(), static_cast<int>(text.size()), &r, format, nullptr);
    R = r;
    if (Caption) {
      const int grow = DepthGrowth(Caption);
      R.Right += grow;
      R.Bottom += grow;
    }
  }
  R.Right += (ExtraMargin + 1) * 2;
  R.Bottom += (ExtraMargin + 1) * 2;
}

void AlignedTextRect(TStyAlignment Alignment, const std::string& Text, TSty3DCaption* Caption, const TRect& Bounds,
                     TFont* Font, bool MultiLine, bool ShowAccel, UINT Format, TRect& Result) {
  TRect work(Bounds.Left, Bounds.Top, Bounds.Right - 1, Bounds.Bottom);
  MeasureText3D(Text, Caption, work, Font, MultiLine, ShowAccel, 0, Format);
  AlignRect(Alignment, work, Bounds, Result);
}

void DrawText3D(TCanvas* Canvas, const std::string& Text, TSty3DCaption* Caption, const TRect& R, UINT Format,
                std::uint16_t Flags, const TRect* Clip) {
  if (Text.empty() || R.Width() <= 0 || R.Height() <= 0) return;
  HDC dc = Canvas->GetHandle();
  if (!Caption) {
    RECT r = R;
    DrawTextExA(dc, const_cast<char*>(Text.c_str()), static_cast<int>(Text.size()), &r, Format, nullptr);
    return;
  }
  const int mode = ModeOf(Caption);
  TStySavedClip clip;
  const bool clipped = Flags & tfClip;
  if (clipped) clip = SelectRectClip(dc, Clip ? *Clip : R, 0);

  TColor textColor;
  TStyThreeDStyle style = Caption->GetStyle();
  if ((Flags & tfEnabled) || Caption->GetDisabledStyle() == dsNone) {
    textColor = (style == tdPColorSunken || style == tdPColorRaised) ? Canvas->GetBrush()->GetColor()
                                                                     : Canvas->GetFont()->GetColor();
  } else {
    textColor = clGrayText;
    if (Caption->GetDisabledStyle() == dsAuto && (Flags & tfAutoSunken)) style = tdSunken;
    if (Caption->GetDisabledStyle() == ds3d) style = tdSunken;
  }

  HFONT rotated = nullptr;
  HGDIOBJ oldFont = nullptr;
  TRect text = R;
  if (mode >= 1) {
    auto* fx = static_cast<TStyFxCaption*>(Caption);
    if (mode == 2) {
      LOGFONTA lf{};
      GetObjectA(Canvas->GetFont()->GetHandle(), sizeof lf, &lf);
      lf.lfEscapement = lf.lfOrientation = fx->GetAngle() * 10;
      rotated = CreateFontIndirectA(&lf);
      oldFont = SelectObject(dc, rotated);
    }
    text.Left += static_cast<std::int16_t>(fx->GetPosX());
    text.Top += static_cast<std::int16_t>(fx->GetPosY());
  }
  if (Caption->GetTracing()) SetTextCharacterExtra(dc, Caption->GetTracing());
  Canvas->GetBrush()->SetStyle(bsClear);
  SetBkMode(dc, TRANSPARENT);

  const int L = Caption->GetLightDepth(), S = Caption->GetShadowDepth();
  struct Pass {
    int offset;
    TColor color;
  };
  std::vector<Pass> passes;
  int reduce = 0;
  switch (style) {
    case tdNone: passes = {{0, textColor}}; break;
    case tdSunken:
      reduce = L;
      passes = {{L, Caption->GetLightColor()}, {-L, textColor}};
      break;
    case tdRaised:
      reduce = L;
      passes = {{0, Caption->GetLightColor()}, {L, textColor}};
      break;
    case tdSunkenShadow:
    case tdPColorSunken:
      reduce = L + S;
      passes = {{0, Caption->GetShadowColor()}, {L + S, Caption->GetLightColor()}, {-L, textColor}};
      break;
    case tdRaisedShadow:
    case tdPColorRaised:
      reduce = L + S;
      passes = {{L + S, Caption->GetShadowColor()}, {-(L + S), Caption->GetLightColor()}, {L, textColor}};
      break;
    case tdShadow:
      reduce = S;
      passes = {{S, Caption->GetShadowColor()}, {-S, textColor}};
      break;
  }
  text.Right -= reduce;
  for (const Pass& p : passes) {
    text = TRect(text.Left + p.offset, text.Top + p.offset, text.Right + p.offset, text.Bottom + p.offset);
    SetTextColor(dc, ColorToRGB(p.color));
    if (mode == 2) {
      ExtTextOutA(dc, text.Left, text.Top, 0, nullptr, Text.c_str(), static_cast<UINT>(Text.size()), nullptr);
    } else {
      RECT r = text;
      DrawTextExA(dc, const_cast<char*>(Text.c_str()), static_cast<int>(Text.size()), &r, Format, nullptr);
    }
  }
  if (Caption->GetTracing()) SetTextCharacterExtra(dc, 0);
  if (rotated) {
    SelectObject(dc, oldFont);
    DeleteObject(rotated);
  }
  if (clipped) RestoreClip(dc, clip);
}

bool IsTrueTypeFont(TFont* Font) {
  ScreenText screen(Font);
  TEXTMETRICA tm{};
  return GetTextMetricsA(screen.dc(), &tm) && (tm.tmPitchAndFamily & TMPF_TRUETYPE);
}

bool IsTrueTypeCanvas(TCanvas* Canvas) {
  TEXTMETRICA tm{};
  return GetTextMetricsA(Canvas->GetHandle(), &tm) && (tm.tmPitchAndFamily & TMPF_TRUETYPE);
}

int FontHeightOfW(TFont* Font) {
  ScreenText screen(Font);
  SIZE size{};
  if (!GetTextExtentPoint32A(screen.dc(), "W", 1, &size)) return 0;
  return size.cy;
}
