// The description of a shape: its figure, fill brush, bevel, shadow and
// rounding. Any change inside its parts is reported as a change of the
// shape.
#pragma once

#include <cstdint>
#include <memory>

#include "controls/styled/styclass/StyLayouts.h"
#include "controls/styled/stygrapA/SimpleBevel.h"
#include "platform/vcl/Graphics.h"

enum TStyShapeType : std::uint8_t {
  stEllipse,
  stRectangle,
  stRoundRect,
  stDirectUp,
  stDirectRight,
  stDirectDown,
  stDirectLeft,
  stDiamond,
  stComb,
  stOctagon,
  stStar
};
DRUMS_ENUM_NAMES(TStyShapeType, "stEllipse", "stRectangle", "stRoundRect", "stDirectUp", "stDirectRight",
                 "stDirectDown", "stDirectLeft", "stDiamond", "stComb", "stOctagon", "stStar")

// 0..100.
using TStyPercent = std::uint8_t;

class TStyShape : public TStyObject {
  DRUMS_CLASS(TStyShape, TStyObject)
 public:
  TStyShape();
  ~TStyShape() override;
  void Assign(TPersistent* Source) override;
  TStySimpleBevel* GetBevel() const { return FBevel.get(); }
  void SetBevel(TStySimpleBevel* value) { FBevel->Assign(value); }
  TBrush* GetBrush() const { return FBrush.get(); }
  void SetBrush(TBrush* value) { FBrush->Assign(value); }
  TStyPercent GetRoundPercent() const { return FRoundPercent; }
  void SetRoundPercent(TStyPercent value);
  TStyShadow* GetShadow() const { return FShadow.get(); }
  void SetShadow(TStyShadow* value) { FShadow->Assign(value); }
  TStyShapeType GetShape() const { return FShape; }
  void SetShape(TStyShapeType value) { SetValue(FShape, value); }
  bool GetSquare() const { return FSquare; }
  void SetSquare(bool value) { SetValue(FSquare, value); }
  static void Publish(TPublisher<TStyShape>& p);

 private:
  std::unique_ptr<TStySimpleBevel> FBevel;
  std::unique_ptr<TBrush> FBrush;
  std::unique_ptr<TStyShadow> FShadow;
  TStyPercent FRoundPercent = 33;
  TStyShapeType FShape = stRectangle;
  bool FSquare = false;
};
