// TStyCustomScrollBox: a scroll box that draws a bevel in its window's
// non-client area, so the scrolled client area and the scroll bars stay
// inside it; the corner between two scroll bars takes the box's Color.
// TStyScrollBox publishes it.
#pragma once

#include <cstdint>
#include <memory>

#include "controls/styled/stycctrl.h"
#include "platform/vcl/Forms.h"

class TStyCustomScrollBox : public TScrollBox {
  DRUMS_CLASS(TStyCustomScrollBox, TScrollBox)
  DRUMS_MESSAGE_MAP(TStyCustomScrollBox)

 public:
  explicit TStyCustomScrollBox(TComponent* AOwner);
  ~TStyCustomScrollBox() override;

  TStyBevel* GetBevel() const { return FBevel.get(); }
  bool GetTransparent() const { return FTransparent; }
  bool GetInstantUpdate() const { return FInstantUpdate; }
  void SetInstantUpdate(bool value) { FInstantUpdate = value; }
  // Stored only; nothing reads it.
  bool GetMouseWheelSupport() const { return FMouseWheelSupport; }
  void SetMouseWheelSupport(bool value) { FMouseWheelSupport = value; }
  // Always bsNone: the bevel is the border.
  TBorderStyle GetBorderStyle() const { return bsNone; }
  // Transparent, and the parent is a windowed library control with a window
  // that provides a background.
  bool UsesParentBackground();
  // Both scroll bars are on screen.
  bool BothScrollBarsVisible();

  // Fired after the background is painted.
  TNotifyEvent OnPaint;

  static void Messages(TMessageMap<TStyCustomScrollBox>& m);

  // The own bevel makes the window again; any other sender repaints the
  // frame and the client area.
  virtual void BevelChanged(TObject* Sender);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void PaintWindow(HDC DC) override;
  bool Loading() const { return GetComponentState().Contains(csLoading); }
  bool Designing() const { return GetComponentState().Contains(csDesigning); }
  // Copies the provider's background under Dest (client coordinates) onto
  // Canvas; false when there is none.
  bool DrawParentBackground(TCanvas* Canvas, const TRect& Dest);
  // Repaints the non-client area now.
  void RedrawFrame();

  bool FTransparent = false;

 private:
  void WMNCCalcSize(TMessage& m);
  void WMNCPaint(TMessage& m);
  void WMEraseBkgnd(TMessage& m);
  void WMMove(TMessage& m);
  void WMSize(TMessage& m);
  void WMScroll(TMessage& m);
  void WMNCHitTest(TMessage& m);
  void CMParentBackChanged(TMessage& m);
  void CMColorChanged(TMessage& m);
  void CMCtl3DChanged(TMessage& m);

  std::unique_ptr<TStyBevel> FBevel;
  std::unique_ptr<TControlCanvas> FCanvas;
  bool FInstantUpdate = true;
  bool FMouseWheelSupport = false;
  // Scroll messages between repaints while InstantUpdate.
  std::uint8_t FRepaintStep = 1;
  std::uint8_t FRepaintCounter = 0;
};

class TStyScrollBox : public TStyCustomScrollBox {
  DRUMS_CLASS(TStyScrollBox, TStyCustomScrollBox)

 public:
  explicit TStyScrollBox(TComponent* AOwner) : TStyCustomScrollBox(AOwner) {}
  // Takes over the given bevel's values, then tells itself CM_BEVELCHANGED.
  void SetBevel(TStyBevel* value);
  // A new value changes the opaque style, makes the window again and
  // repaints.
  void SetTransparent(bool value);

 private:
  static void Publish(TPublisher<TStyScrollBox>& p);
};
