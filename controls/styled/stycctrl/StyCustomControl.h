// TStyCustomControl: the library's windowed control. Besides the
// image-list reference it carries the background protocol by which
// transparent children copy a background bitmap from the control chain
// that provides one, an optional focus frame, mouse entry and exit, and
// focus notifications posted after the focus change has completed.
#pragma once

#include "controls/styled/stycctrl/StyBaseControl.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/Graphics.h"

class TStyCustomControl : public TCustomControl {
  DRUMS_CLASS(TStyCustomControl, TCustomControl)
  DRUMS_MESSAGE_MAP(TStyCustomControl)

 public:
  explicit TStyCustomControl(TComponent* AOwner);
  ~TStyCustomControl() override;

  DRUMS_STY_IMAGE_LIST_ACCESSORS

  bool GetTransparent() const { return FTransparent; }
  // A new value changes the opaque style and makes the window again.
  void SetTransparent(bool value);
  bool GetMouseInside() const { return FMouseInside; }
  bool GetHasFocus() const { return FHasFocus; }
  bool GetFocusFrame() const { return FFocusFrame; }
  bool GetRepaintOnChange() const { return FRepaintOnChange; }

  TNotifyEvent OnFocusIn;
  TNotifyEvent OnFocusOut;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseExit;

  static void Messages(TMessageMap<TStyCustomControl>& m);
  static void Publish(TPublisher<TStyCustomControl>& p) { PublishImageListRef(p); }

  // Transparent and a background provider.
  virtual bool UsesParentBackground();
  // The client area's background: the provider's bitmap, else Color.
  virtual void DrawBackground();
  // The handler owned parameter objects report to: repaints.
  virtual void GetChange(TObject* Sender);
  virtual bool ShowDesignFrame();
  virtual void ImageListChanged(TObject* Sender);
  virtual void MouseEnter();
  virtual void MouseExit();
  virtual void EraseFocusFrame();
  virtual void DrawFocusFrame();
  // The bitmap transparent children copy their background from.
  virtual TBitmap* BackBitmap();
  virtual bool IsBackgroundProvider();
  // Copies the part of the background bitmap under Dest onto Canvas; Origin
  // is Dest's top-left corner in this control's parent. False: nothing drawn.
  virtual bool DrawBackgroundArea(TCanvas* Canvas, const TRect& Dest, TPoint Origin, int Flags);
  // A point of the client area in the background bitmap.
  virtual TPoint MapBackgroundPoint(TPoint P);
  virtual HPALETTE BackgroundPalette();

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void DoEnter() override;
  void DoExit() override;

  void DrawDesignFrame();
  // R's background: the provider's bitmap when used, else Color.
  void DrawBackgroundRect(const TRect& R);
  bool Loading() const { return GetComponentState().Contains(csLoading); }
  bool Designing() const { return GetComponentState().Contains(csDesigning); }

  TStyImageListRef FImageListRef;

 private:
  // The window's whole rectangle, at origin 0, 0.
  TRect WindowFrameRect();
  void WMEraseBkgnd(TMessage& m);
  void WMSetFocus(TMessage& m);
  void WMKillFocus(TMessage& m);
  void WMMove(TMessage& m);
  void WMSize(TMessage& m);
  void WMPaint(TMessage& m);
  void CMMouseEnter(TMessage& m);
  void CMMouseLeave(TMessage& m);
  void CMSysColorChange(TMessage& m);
  void CMParentBackChanged(TMessage& m);
  void CMFocusIn(TMessage& m);
  void CMFocusOut(TMessage& m);

  bool FMouseInside = false;
  bool FHasFocus = false;
  // Nothing turns the focus frame on, and nothing stops repainting on change.
  static constexpr bool FFocusFrame = false;
  static constexpr bool FRepaintOnChange = true;
  bool FTransparent = false;
};
