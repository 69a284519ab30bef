// TStyCustomTrackBar and TStyTrackBar: an owner-drawn slider keeping an
// integer Position between MinValue and MaxValue. It draws a track, ticks
// and a thumb bitmap, and moves by dragging the thumb, by paging beside it
// (repeated by the shared timer pool while the button is held), by the
// arrow and page keys and by the wheel; OnChange follows every change.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "controls/styled/styctrl.h"
#include "controls/styled/styextcA/TrackGeometry.h"
#include "controls/styled/styextcA/TrackTypes.h"
#include "controls/styled/stygraph.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/Graphics.h"

using TStyDrawTickEvent = TEvent<void(TObject* Sender, TCanvas* aCanvas, int aValue, TPoint pos)>;
using TStyMouseWheelUpDownEvent = TEvent<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

class TStyCustomTrackBar : public TStyCustomPanel {
  DRUMS_CLASS(TStyCustomTrackBar, TStyCustomPanel)
  DRUMS_MESSAGE_MAP(TStyCustomTrackBar)

 public:
  // Raises EOutOfResources "Not enough timers available" when the shared
  // pool has no timer left for the paging.
  explicit TStyCustomTrackBar(TComponent* AOwner);
  ~TStyCustomTrackBar() override;

  int GetMinValue() const { return FMinValue; }
  void SetMinValue(int value);
  int GetMaxValue() const { return FMaxValue; }
  void SetMaxValue(int value);
  int GetPosition() const { return FPosition; }
  // Clamped to the range; every change fires OnChange.
  void SetPosition(int value);
  int GetLineSize() const { return FLineSize; }
  void SetLineSize(int value) { FLineSize = value; }
  int GetPageSize() const { return FPageSize; }
  void SetPageSize(int value) { FPageSize = value; }
  int GetMargin() const { return FMargin; }
  void SetMargin(int value);
  TStyOrientation GetOrientation() const { return FOrientation; }
  void SetOrientation(TStyOrientation value);
  int GetTrackWidth() const { return FTrackWidth; }
  void SetTrackWidth(int value);
  int GetTrackBorder() const { return FTrackBorder; }
  void SetTrackBorder(int value);
  TStyBorderStyle GetTrackBorderStyle() const { return FTrackBorderStyle; }
  void SetTrackBorderStyle(TStyBorderStyle value);
  TColor GetTrackColor() const { return FColors[1]; }
  void SetTrackColor(TColor value) { SetColorIndex(1, value); }
  TStyFillObject* GetTrackFillObject() const { return FTrackFillObject.get(); }
  void SetTrackFillObject(TStyFillObject* value) { FTrackFillObject->Assign(value); }
  bool GetTrackTransparent() const { return FTrackTransparent; }
  void SetTrackTransparent(bool value);
  TStyThumbStyle GetThumbStyle() const { return FThumbStyle; }
  void SetThumbStyle(TStyThumbStyle value);
  // The custom picture as streamed: null unless loading or a custom thumb
  // that no image list supplies.
  TBitmap* GetThumb() const;
  void SetThumb(TBitmap* value);
  // The bitmap the thumb is drawn from, whatever its origin.
  TBitmap* ThumbBitmap() const { return FThumb.get(); }
  TColor GetThumbColor() const { return FColors[0]; }
  void SetThumbColor(TColor value) { SetColorIndex(0, value); }
  TStyTickStyle GetTickStyle() const { return FTickStyle; }
  void SetTickStyle(TStyTickStyle value);
  TStyTickMarks GetTickMarks() const { return FTickMarks; }
  void SetTickMarks(TStyTickMarks value);
  int GetTickLength() const { return FTickLength; }
  void SetTickLength(int value);
  int GetTickGap() const { return FTickGap; }
  void SetTickGap(int value);
  TColor GetTickColor() const { return FColors[2]; }
  void SetTickColor(TColor value) { SetColorIndex(2, value); }
  TStyTrackBarFocusStyle GetFocusStyle() const { return FFocusStyle; }
  void SetFocusStyle(TStyTrackBarFocusStyle value) { FFocusStyle = value; }
  bool GetUseFocusColor() const { return FUseFocusColor; }
  void SetUseFocusColor(bool value);
  TColor GetFocusColor() const { return FColors[3]; }
  void SetFocusColor(TColor value) { SetColorIndex(3, value); }
  const TStyAboutVar& GetAbout() const { return FAbout; }
  void SetAbout(const TStyAboutVar& value) { FAbout = value; }

  // Where the parts lie in the client area as it is now.
  TStyTrackLayout Layout();
  TStyThumbMetrics ThumbMetrics() const;
  // The thumb's rectangle when it was last drawn.
  const TRect& GetThumbRect() const { return FThumbRect; }
  bool GetDragging() const { return FDragging; }
  WORD GetTimerIdent() const { return FTimer; }

  TNotifyEvent OnChange;
  TStyDrawTickEvent OnDrawTick;
  TStyMouseWheelUpDownEvent OnMouseWheelDown;
  TStyMouseWheelUpDownEvent OnMouseWheelUp;

  // The bar lends its parent's background to its track when it is
  // transparent or its track is.
  bool IsBackgroundProvider() override;
  void GetChange(TObject* Sender) override;
  void ImageListChanged(TObject* Sender) override;

  static void Publish(TPublisher<TStyCustomTrackBar>& p);
  static void Messages(TMessageMap<TStyCustomTrackBar>& m);

 protected:
  virtual int CurrentPosition() { return FPosition; }
  void Loaded() override;
  void Paint() override;
  void DoEnter() override;
  void DoExit() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
  virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
  virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);

 private:
  void SetColorIndex(int index, TColor value);
  // The standard thumb for the current settings, unless a custom one is in use.
  void BuildThumb();
  // Holds back the thumb bitmap's change reports while the control itself fills it.
  void FillThumb(const std::function<void()>& fill);
  // Takes the image list's item as a custom thumb.
  void TakeListThumb();
  void DrawTicks(TCanvas* Canvas, const TStyTrackLayout& Layout);
  // Saves what lies under the thumb at Value and draws the thumb there.
  void DrawThumb(TCanvas* Canvas, const TStyTrackLayout& Layout, int Value);
  void RestoreThumbBackground(TCanvas* Canvas);
  // Puts the background back under the thumb and draws it again at Position.
  void RedrawThumb();
  void DrawTrackFocus(TCanvas* Canvas, bool Focus);
  void EnableTimer(bool Enabled);
  void PagingTick();
  bool Painting() const;
  void EndPress();
  void WMGetDlgCode(TMessage& m);
  void WMCaptureChanged(TMessage& m);
  void WMCancelMode(TMessage& m);
  void CMEnabledChanged(TMessage& m);

  int FMinValue = 0;
  int FMaxValue = 10;
  int FPosition = 0;
  int FLineSize = 1;
  int FPageSize = 2;
  int FMargin = 1;
  TStyOrientation FOrientation = toHorizontal;
  int FTrackWidth = 10;
  int FTrackBorder = 0;
  TStyBorderStyle FTrackBorderStyle = lsLoweredExt;
  // ThumbColor, TrackColor, TickColor, FocusColor.
  TColor FColors[4] = {clBtnFace, clWhite, clBlack, clGray};
  std::unique_ptr<TStyFillObject> FTrackFillObject;
  bool FTrackTransparent = false;
  TStyThumbStyle FThumbStyle = tsStandard;
  std::unique_ptr<TBitmap> FThumb;
  TStyTickStyle FTickStyle = tsAuto;
  TStyTickMarks FTickMarks = styextcA::tmBottomRight;
  int FTickLength = 6;
  int FTickGap = -1;
  TStyTrackBarFocusStyle FFocusStyle = tbFocus;
  bool FUseFocusColor = false;
  TStyAboutVar FAbout;

  TRect FThumbRect;
  std::unique_ptr<TBitmap> FSavedBack;
  bool FDragging = false;
  TPoint FLastPoint;
  int FPagingDirection = 0;  // 1 up, 2 down the value for horizontal bars
  WORD FTimer = 0;
  bool FFillingThumb = false;
  int FWheelAccumulator = 0;
};

class TStyTrackBar : public TStyCustomTrackBar {
  DRUMS_CLASS(TStyTrackBar, TStyCustomTrackBar)
 public:
  explicit TStyTrackBar(TComponent* AOwner) : TStyCustomTrackBar(AOwner) {}
  static void Publish(TPublisher<TStyTrackBar>& p);
};
