// TBmpBtn: the class library's push button made owner-drawn. The window
// keeps the keyboard, focus, default and click behaviour; the button paints
// its face itself, rectangular or elliptic, over the parent's background, a
// wallpaper, a gradient or its colour, with a glyph and a shadowed caption,
// and can cycle the frames of an image list on a timer.
#pragma once

#include <memory>

#include "controls/bmp/BmpUtils.h"
#include "controls/bmp/bmpctrls/BmpImages.h"
#include "controls/bmp/bmpctrls/BmpTypes.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/StdCtrls.h"

enum TGradientDirection { gdHorizontal, gdVertical };
DRUMS_ENUM_NAMES(TGradientDirection, "gdHorizontal", "gdVertical")
enum TBtnPaintOption { bpoDrawFocus, bpoDrawDefault };
DRUMS_ENUM_NAMES(TBtnPaintOption, "bpoDrawFocus", "bpoDrawDefault")
using TBtnPaintOptions = TSet<TBtnPaintOption>;

using TDrawButtonEvent = TEvent<void(TObject* Sender, TCanvas* ACanvas, TRect R)>;

class TBmpBtn : public TButton {
  DRUMS_CLASS(TBmpBtn, TButton)
  DRUMS_MESSAGE_MAP(TBmpBtn)

 public:
  explicit TBmpBtn(TComponent* AOwner);
  ~TBmpBtn() override;

  TBitmap* GetGlyph() { return FGlyph->GetGlyph(); }
  void SetGlyph(TBitmap* value);
  // 1..4; more than two images are cut to two (up and disabled).
  int GetNumGlyphs() const { return FGlyph->GetNumGlyphs(); }
  void SetNumGlyphs(int value);
  TButtonLayout GetLayout() const { return FLayout; }
  void SetLayout(TButtonLayout value);
  // -1 centres; smaller values are ignored.
  int GetMargin() const { return FMargin; }
  void SetMargin(int value);
  int GetSpacing() const { return FSpacing; }
  void SetSpacing(int value);
  TBmpOptions GetOptions() const { return FOptions; }
  void SetOptions(TBmpOptions value);
  TBitmap* GetWallpaper();
  void SetWallpaper(TBitmap* value);
  TBmpImages* GetBmpImages() const { return FBmpImages; }
  void SetBmpImages(TBmpImages* value);
  int GetidWallpaper() const { return FidWallpaper; }
  void SetidWallpaper(int value);
  TColor GetColorStart() const { return FColorStart; }
  void SetColorStart(TColor value);
  TColor GetColorEnd() const { return FColorEnd; }
  void SetColorEnd(TColor value);
  TGradientDirection GetGradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(TGradientDirection value);
  // The caption's shadow; setting any of the three turns SimpleView off.
  TColor GetShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor value);
  int GetShadowSize() const { return FShadowSize; }
  void SetShadowSize(int value);
  TShadowPosition GetShadowPos() const { return FShadowPos; }
  void SetShadowPos(TShadowPosition value);
  bool GetSimpleView() const { return FSimpleView; }
  void SetSimpleView(bool value);
  int GetTransparencyLevel() const { return FTransparencyLevel; }
  void SetTransparencyLevel(int value);
  TBtnPaintOptions GetBtnPaintOptions() const { return FBtnPaintOptions; }
  void SetBtnPaintOptions(TBtnPaintOptions value);
  TCustomImageList* GetImages() const { return FImages; }
  void SetImages(TCustomImageList* value);
  bool GetAnimated() const { return FAnimated; }
  void SetAnimated(bool value);
  unsigned GetInterval() const { return FInterval; }
  void SetInterval(unsigned value);
  bool GetMouseInControl() const { return FMouseInControl; }
  int GetFrameIndex() const { return FFrameIndex; }
  TCanvas* GetCanvas() const { return FCanvas.get(); }

  // Draws the button for the owner-draw record: its face, then OnDrawButton.
  void DrawButton(const DRAWITEMSTRUCT& item);
  // One step of the animation: the next frame of Images drawn over the face.
  void AnimationTimer(TObject* Sender);

  TDrawButtonEvent OnDrawButton;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  static void Publish(TPublisher<TBmpBtn>& p);
  static void Messages(TMessageMap<TBmpBtn>& m);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void SetButtonStyle(bool ADefault) override;
  // Beyond the control's own properties: a button without a glyph takes the
  // action's image, on fuchsia (the glyph's transparent colour).
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  // Set while a dropped menu is open: the raised edge is not drawn.
  bool GetMenuDropped() const { return FMenuDropped; }
  void SetMenuDropped(bool value);

 private:
  struct DrawState {
    bool pressed = false;
    bool focused = false;
  };
  void DrawRectangular(const TRect& client, DrawState state);
  void DrawElliptic(const TRect& client, DrawState state);
  void DrawFace(const TRect& client, DrawState state);
  // The background by Options; false when none of them painted.
  bool PaintBackground(HDC dc, const TRect& rect);
  void PaintParent(HDC dc);
  bool PaintWallpaper(HDC dc, const TRect& rect);
  void PaintGradient(HDC dc, const TRect& rect);
  bool Edged() const;
  // The animation's current frame, or false when there is none.
  bool FrameImage(TBitmap* into);
  void CNMeasureItem(TMessage& m);
  void CNDrawItem(TMessage& m);
  void WMEraseBkgnd(TMessage& m);
  void CMRepaint(TMessage& m);
  void CMParentColorChanged(TMessage& m);
  void CMMouseEnter(TMessage& m);
  void CMMouseLeave(TMessage& m);

  std::unique_ptr<TGlyph> FGlyph;
  std::unique_ptr<TCanvas> FCanvas;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  TBmpOptions FOptions;
  std::unique_ptr<TBitmap> FWallpaper;
  TBmpImages* FBmpImages = nullptr;
  int FidWallpaper = -1;
  TColor FColorStart = clBtnFace;
  TColor FColorEnd = clBtnShadow;
  TGradientDirection FGradientDirection = gdHorizontal;
  TColor FShadowColor = clBtnHighlight;
  int FShadowSize = 1;
  TShadowPosition FShadowPos = spLeftTop;
  bool FSimpleView = false;
  int FTransparencyLevel = 0;
  TBtnPaintOptions FBtnPaintOptions{bpoDrawFocus, bpoDrawDefault};
  TCustomImageList* FImages = nullptr;
  bool FAnimated = false;
  unsigned FInterval = 1000;
  bool FMouseInControl = false;
  bool FIsFocused = false;
  bool FMenuDropped = false;
  int FFrameIndex = 0;
  std::unique_ptr<TTimer> FTimer;
  std::unique_ptr<TChangeLink> FImagesLink;
  std::unique_ptr<TBmpChangeLink> FBmpImagesLink;
};
