// TStyBaseControl: the library's window-less control. It adds an
// image-list reference, reports changes of its bounds as a set, tells when
// the mouse enters or leaves it, and repaints when its parent's background
// changes.
#pragma once

#include <functional>

#include "controls/styled/stycctrl/ImageListRef.h"
#include "platform/vcl/Controls.h"

// As a bit set: size changed is 1, position changed 2.
enum TStyBoundsChange : std::uint8_t { bcSizeChanged, bcPositionChanged };
using TStyBoundsChanges = TSet<TStyBoundsChange>;
using TStyBoundsChangedEvent = std::function<void(TObject* Sender, TStyBoundsChanges Changes)>;

// Adds csOpaque to the control's style, or takes it away for a transparent
// control.
void SetOpaqueStyle(TControl* Control, bool Opaque);

class TStyBaseControl : public TGraphicControl {
  DRUMS_CLASS(TStyBaseControl, TGraphicControl)
  DRUMS_MESSAGE_MAP(TStyBaseControl)

 public:
  explicit TStyBaseControl(TComponent* AOwner);
  ~TStyBaseControl() override;

  // Reports the bounds change set unless nothing changed or the control is
  // loading.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  DRUMS_STY_IMAGE_LIST_ACCESSORS

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseExit;
  TStyBoundsChangedEvent OnBoundsChanged;

  static void Messages(TMessageMap<TStyBaseControl>& m);
  static void Publish(TPublisher<TStyBaseControl>& p) { PublishImageListRef(p); }

  virtual void BoundsChanged(TStyBoundsChanges Changes);
  virtual bool UsesParentBackground();
  using TGraphicControl::Changed;
  // Repaints unless loading.
  virtual void Changed(TObject* Sender);
  // Whether there is nothing to draw.
  virtual bool IsEmpty();
  virtual void ImageListChanged(TObject* Sender);
  virtual void MouseEnter();
  virtual void MouseExit();

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // The dashed frame that shows an empty control at design time.
  void DrawDesignFrame();
  void FillBackground();
  // A point of this control's parent in the parent's parent, or unchanged
  // when the parent is a form.
  TPoint ParentBackgroundOrigin(int X, int Y);
  TRect ClientRectToScreen(const TRect& R);
  bool Loading() const { return GetComponentState().Contains(csLoading); }
  bool Designing() const { return GetComponentState().Contains(csDesigning); }

  TStyImageListRef FImageListRef;

 private:
  void CMMouseEnter(TMessage& m);
  void CMMouseLeave(TMessage& m);
  void CMParentBackChanged(TMessage& m);
};
