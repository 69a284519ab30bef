// Text effect parameters (3D styles, rotation) and the caption object that
// draws a text with its font, effects and alignment.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/styled/styclass/StyObject.h"
#include "platform/vcl/Graphics.h"

enum TStyThreeDStyle : std::uint8_t {
  tdNone,
  tdSunken,
  tdRaised,
  tdSunkenShadow,
  tdRaisedShadow,
  tdPColorSunken,
  tdPColorRaised,
  tdShadow
};
DRUMS_ENUM_NAMES(TStyThreeDStyle, "tdNone", "tdSunken", "tdRaised", "tdSunkenShadow", "tdRaisedShadow",
                 "tdPColorSunken", "tdPColorRaised", "tdShadow")
enum TStyDisabledStyle : std::uint8_t { dsAuto, dsStandard, ds3d, dsNone };
DRUMS_ENUM_NAMES(TStyDisabledStyle, "dsAuto", "dsStandard", "ds3d", "dsNone")
using TStyAngle = std::uint16_t;  // 0..360

// DrawText formats of the nine alignments, in their order.
extern const UINT AlignmentFormats[9];

class TSty3DCaption : public TStyObject {
  DRUMS_CLASS(TSty3DCaption, TStyObject)
 public:
  TSty3DCaption() = default;
  void Assign(TPersistent* Source) override;
  TStyDisabledStyle GetDisabledStyle() const { return FDisabledStyle; }
  void SetDisabledStyle(TStyDisabledStyle value) { SetValue(FDisabledStyle, value); }
  std::uint8_t GetLightDepth() const { return FDepth[0]; }
  void SetLightDepth(std::uint8_t value) { SetValue(FDepth[0], value); }
  std::uint8_t GetShadowDepth() const { return FDepth[1]; }
  void SetShadowDepth(std::uint8_t value) { SetValue(FDepth[1], value); }
  TColor GetLightColor() const { return FColors[0]; }
  void SetLightColor(TColor value) { SetValue(FColors[0], value); }
  TColor GetShadowColor() const { return FColors[1]; }
  void SetShadowColor(TColor value) { SetValue(FColors[1], value); }
  TStyThreeDStyle GetStyle() const { return FStyle; }
  void SetStyle(TStyThreeDStyle value) { SetValue(FStyle, value); }
  int GetTracing() const { return FTracing; }
  void SetTracing(int value) { SetValue(FTracing, value); }
  static void Publish(TPublisher<TSty3DCaption>& p);

 protected:
  void Copy3D(const TSty3DCaption& src);

 private:
  TStyDisabledStyle FDisabledStyle = dsAuto;
  std::uint8_t FDepth[2] = {1, 1};
  TColor FColors[2] = {clBtnHighlight, clBtnShadow};
  TStyThreeDStyle FStyle = tdNone;
  int FTracing = 0;
};

class TStyFxCaption : public TSty3DCaption {
  DRUMS_CLASS(TStyFxCaption, TSty3DCaption)
 public:
  TStyFxCaption() = default;
  void Assign(TPersistent* Source) override;
  TStyAngle GetAngle() const { return FAngle; }
  // 360 is stored as 0 (and still notifies).
  void SetAngle(TStyAngle value);
  // Offsets of the text inside its rectangle, applied as signed 16 bits.
  std::uint16_t GetPosX() const { return FPos[0]; }
  void SetPosX(std::uint16_t value) { SetValue(FPos[0], value); }
  std::uint16_t GetPosY() const { return FPos[1]; }
  void SetPosY(std::uint16_t value) { SetValue(FPos[1], value); }
  // Both at once, without notification.
  void SetPos(int X, int Y);
  static void Publish(TPublisher<TStyFxCaption>& p);

 private:
  TStyAngle FAngle = 0;
  std::uint16_t FPos[2] = {0, 0};
};

class TStyCaption : public TStyObject {
  DRUMS_CLASS(TStyCaption, TStyObject)
 public:
  TStyCaption();
  ~TStyCaption() override;
  void Assign(TPersistent* Source) override;
  TStyAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TStyAlignment value) { SetValue(FAlignment, value); }
  const std::string& GetCaption() const { return FCaption; }
  void SetCaption(const std::string& value) { SetValue(FCaption, value); }
  TFont* GetFont() const { return FFont.get(); }
  void SetFont(TFont* value) { FFont->Assign(value); }
  TStyFxCaption* GetFontFx() const { return FFontFx.get(); }
  void SetFontFx(TStyFxCaption* value) { FFontFx->Assign(value); }
  bool GetMultiLine() const { return FMultiLine; }
  void SetMultiLine(bool value) { SetValue(FMultiLine, value); }
  // Rotation needs a TrueType face: a font change drops the angle, an angle
  // change moves the font to "Arial".
  void FontChanged(TObject* Sender);
  // Offset packs x (low word) and y (high word) of the clip rectangle's move.
  void DrawCaption(TCanvas* Canvas, const std::string& Text, TRect R, std::uint16_t Flags, TColor Color,
                   std::uint32_t Offset);
  static void Publish(TPublisher<TStyCaption>& p);

 private:
  TStyAlignment FAlignment = agCenter;
  std::string FCaption;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TStyFxCaption> FFontFx;
  bool FMultiLine = false;
};
