// A window-less push button whose face is a shape: painted straight onto the
// control in a colour chosen by the button's state (sbmShapeFast), or laid
// out off-screen from a fill (sbmShapeFill). The outline and the fill
// picture are caches rebuilt on every change; presses and hovers are tested
// against the outline's region.
#pragma once

#include <cstdint>
#include <memory>

#include "controls/styled/stybtn.h"
#include "controls/styled/stygrapA.h"
#include "controls/styled/styshapA/ShapeButtonColor.h"

enum TStyShapeButtonMode : std::uint8_t { sbmShapeFast, sbmShapeFill };
DRUMS_ENUM_NAMES(TStyShapeButtonMode, "sbmShapeFast", "sbmShapeFill")
enum TStyShapeButtonStyle : std::uint8_t { sbsShadow, sbs3D };
DRUMS_ENUM_NAMES(TStyShapeButtonStyle, "sbsShadow", "sbs3D")

class TStyCustomShapeButton : public TStyBaseGraphicButton {
  DRUMS_CLASS(TStyCustomShapeButton, TStyBaseGraphicButton)

 public:
  explicit TStyCustomShapeButton(TComponent* AOwner);
  ~TStyCustomShapeButton() override;

  TStyShape* GetShape() const { return FShape.get(); }
  void SetShape(TStyShape* value) { FShape->Assign(value); }
  TStyShapeButtonStyle GetStyle() const { return FStyle; }
  void SetStyle(TStyShapeButtonStyle value);
  TStyShapeButtonColor* GetColors() const { return FColors.get(); }
  void SetColors(TStyShapeButtonColor* value) { FColors->Assign(value); }
  TStyShapeButtonMode GetMode() const { return FMode; }
  void SetMode(TStyShapeButtonMode value);
  TStyShapeFill* GetShapeFill() const { return FShapeFill.get(); }
  void SetShapeFill(TStyShapeFill* value) { FShapeFill->Assign(value); }
  TStyCustomImageList* GetShapeFillImageList() const { return FFillList.GetImageList(); }
  void SetShapeFillImageList(TStyCustomImageList* value) { FFillList.SetImageList(value); }
  int GetShapeFillImageIndex() const { return FFillList.GetIndex(0); }
  void SetShapeFillImageIndex(int value) { FFillList.SetIndex(0, value); }
  int GetShapeFillListIndex() const { return FFillList.GetIndex(1); }
  void SetShapeFillListIndex(int value) { FFillList.SetIndex(1, value); }
  bool IsShapeFillImageListStored() const { return FFillList.IsImageListStored(); }
  HPALETTE GetPalette() const { return FShapeFill->GetPalette(); }

  // The caches, for those who look: the outline at the shadow's place, the
  // depth it was built with, the fill picture.
  TStyPointList* GetOutline() const { return FOutline.get(); }
  int GetOutlineDepth() const { return FOutlineDepth; }
  TBitmap* GetFillBitmap() const { return FFillBitmap.get(); }

  void Changed(TObject* Sender) override;
  void BoundsChanged(TStyBoundsChanges Changes) override;
  static void Publish(TPublisher<TStyCustomShapeButton>& p);

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  bool HasHotLook() override;
  bool IsPointInButton(int X, int Y) override;

 private:
  bool Pressed() const;
  void FillImageChanged();
  void RebuildOutline();
  void RenderFillBitmap();
  TRect CaptionRect() const;
  void PaintBackground(TCanvas* Canvas);
  void PaintFast();
  void PaintFill();

  std::unique_ptr<TStyShape> FShape;
  TStyShapeButtonStyle FStyle = sbsShadow;
  std::unique_ptr<TStyShapeButtonColor> FColors;
  TStyShapeButtonMode FMode = sbmShapeFast;
  std::unique_ptr<TStyShapeFill> FShapeFill;
  TStyImageListRef FFillList;
  std::unique_ptr<TStyPointList> FOutline;
  int FOutlineDepth = 0;
  std::unique_ptr<TBitmap> FFillBitmap;
  std::unique_ptr<TBrush> FBrush;
};

class TStyShapeButton : public TStyCustomShapeButton {
  DRUMS_CLASS(TStyShapeButton, TStyCustomShapeButton)
 public:
  using TStyCustomShapeButton::TStyCustomShapeButton;

 private:
  // The hover events: a track's buttons tell which track the mouse is over.
  static void Publish(TPublisher<TStyShapeButton>& p) {
    p.Prop("OnMouseEnter", &TStyShapeButton::OnMouseEnter);
    p.Prop("OnMouseExit", &TStyShapeButton::OnMouseExit);
  }
};
