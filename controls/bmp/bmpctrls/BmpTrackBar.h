// TBmpTrackBar: a slider whose thumb is a picture, drawn over the parent's
// background, a wallpaper or the window colour.
#pragma once

#include <memory>

#include "controls/bmp/BmpUtils.h"
#include "controls/bmp/bmpctrls/BmpImages.h"
#include "controls/bmp/bmpctrls/BmpTypes.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/Graphics.h"

class TBmpTrackBar : public TCustomControl {
  DRUMS_CLASS(TBmpTrackBar, TCustomControl)
  DRUMS_MESSAGE_MAP(TBmpTrackBar)

 public:
  explicit TBmpTrackBar(TComponent* AOwner);
  ~TBmpTrackBar() override;

  TTrackOrientation GetOrientation() const { return FOrientation; }
  void SetOrientation(TTrackOrientation value);
  int GetMinValue() const { return FMinValue; }
  void SetMinValue(int value);
  int GetMaxValue() const { return FMaxValue; }
  void SetMaxValue(int value);
  int GetPosition() const { return FPosition; }
  void SetPosition(int value);
  int GetPageSize() const { return FPageSize; }
  void SetPageSize(int value);
  int GetBarSize() const { return FBarSize; }
  void SetBarSize(int value);
  TColor GetBarColor() const { return FBarColor; }
  void SetBarColor(TColor value);
  TTickMark GetTickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMark value);
  TPaintOptions GetPaintOptions() const { return FPaintOptions; }
  void SetPaintOptions(TPaintOptions value);
  bool GetTransparentThumb() const { return FTransparentThumb; }
  void SetTransparentThumb(bool value);
  BmpCtrls::TBevelCut GetBevelInner() const { return FBevelInner; }
  void SetBevelInner(BmpCtrls::TBevelCut value);
  BmpCtrls::TBevelCut GetBevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(BmpCtrls::TBevelCut value);
  TBmpOptions GetOptions() const { return FOptions; }
  void SetOptions(TBmpOptions value);
  int GetTransparencyLevel() const { return FTransparencyLevel; }
  void SetTransparencyLevel(int value);
  TBitmap* GetThumbHorz();
  void SetThumbHorz(TBitmap* value);
  TBitmap* GetThumbVert();
  void SetThumbVert(TBitmap* value);
  TBitmap* GetThumbHorzSelected();
  void SetThumbHorzSelected(TBitmap* value);
  TBitmap* GetThumbVertSelected();
  void SetThumbVertSelected(TBitmap* value);
  TBitmap* GetWallpaper();
  void SetWallpaper(TBitmap* value);
  TBmpImages* GetBmpImages() const { return FBmpImages; }
  void SetBmpImages(TBmpImages* value);
  int GetidWallpaper() const { return FidWallpaper; }
  void SetidWallpaper(int value);
  // Where the bar and the thumb were last drawn.
  TRect GetThumbRect() const { return FThumbRect; }
  TRect GetBarRect() const { return FBarRect; }
  TBitmap* GetCurrentThumb() const { return FThumb.get(); }
  bool GetDragging() const { return FDragging; }

  TNotifyEvent OnChange;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  static void Publish(TPublisher<TBmpTrackBar>& p);
  static void Messages(TMessageMap<TBmpTrackBar>& m);

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void Resize() override;
  virtual void RefreshThumbImage();
  virtual void DrawTrackBar(TCanvas* canvas);
  virtual void DrawTicks(TCanvas* canvas);
  virtual void DrawThumb(TCanvas* canvas);
  bool PaintWallpaper(HDC dc);

 private:
  // Pixels left free at each end of the axis.
  static constexpr int kInset = 10;
  int Extent() const { return FOrientation == BmpCtrls::toHorizontal ? GetWidth() : GetHeight(); }
  // False when the range or the control is too small to place values on.
  bool HasTravel() const { return FMaxValue > FMinValue && Extent() > 2 * kInset; }
  void DrawBevelAndFocus(TCanvas* canvas);
  void RepaintNow();
  TBitmap* Owned(std::unique_ptr<TBitmap>& slot);
  void WMEraseBkgnd(TMessage& m);
  void WMGetDlgCode(TMessage& m);
  void WMFocus(TMessage& m);
  void CMEnabledChanged(TMessage& m);
  void CMParentColorChanged(TMessage& m);
  void CMMouseEnter(TMessage& m);
  void CMMouseLeave(TMessage& m);

  TTrackOrientation FOrientation = BmpCtrls::toHorizontal;
  int FMinValue = 0;
  int FMaxValue = 10;
  int FPosition = 0;
  int FPageSize = 1;
  int FBarSize = 10;
  TColor FBarColor = clWindow;
  TTickMark FTickMarks = tmBottomRight;
  TPaintOptions FPaintOptions{poDrawFocusRect, poDrawTrackBar, poDrawTicks, poDrawThumb, poDrawThumbStates};
  bool FTransparentThumb = true;
  BmpCtrls::TBevelCut FBevelInner = BmpCtrls::bvNone;
  BmpCtrls::TBevelCut FBevelOuter = BmpCtrls::bvNone;
  TBmpOptions FOptions;
  int FTransparencyLevel = 0;
  std::unique_ptr<TBitmap> FThumb;
  std::unique_ptr<TBitmap> FThumbHorz, FThumbVert, FThumbHorzSelected, FThumbVertSelected, FWallpaper;
  TBmpImages* FBmpImages = nullptr;
  int FidWallpaper = -1;
  std::unique_ptr<TBmpChangeLink> FImageChangeLink;
  bool FDragging = false;
  TRect FBarRect;
  TRect FThumbRect;
};
