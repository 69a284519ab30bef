// TSpeedButton: a button without a window, painted on its parent. Buttons of
// one GroupIndex (not 0) on the same parent act as one set: pushing one down
// releases the others of its group. A button of GroupIndex 0 springs back up
// after each press. Its Glyph holds up to four pictures side by side (up,
// disabled, clicked, down), drawn with the caption beside them.
#pragma once

#include <memory>
#include <string>

#include "platform/vcl/controls/GraphicControl.h"
#include "platform/vcl/graphics/Bitmap.h"

// Where the glyph stands against the caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
DRUMS_ENUM_NAMES(TButtonLayout, "blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom")

class TSpeedButton : public TGraphicControl {
  DRUMS_CLASS(TSpeedButton, TGraphicControl)
  DRUMS_MESSAGE_MAP(TSpeedButton)

 public:
  explicit TSpeedButton(TComponent* AOwner);
  ~TSpeedButton() override;

  // 0: no group. Changing it tells the buttons of the new group.
  int GetGroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int value);
  // Down by code releases the other buttons of the group; a button of group
  // 0 never stays down, and the down button of a group without AllowAllUp
  // goes up only when another one goes down.
  bool GetDown() const { return FDown; }
  void SetDown(bool value);
  // The whole group shares it: setting it on one sets it on all.
  bool GetAllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool value);
  // A flat button shows its frame only under the mouse or while down.
  bool GetFlat() const { return FFlat; }
  void SetFlat(bool value);
  // The pictures; their bottom-left pixel's colour shows the face through.
  // A glyph whose width is 2 to 4 times its height sets NumGlyphs to match.
  TBitmap* GetGlyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* value) { FGlyph->Assign(value); }
  // How many pictures of equal width the glyph holds (1..4); a state without
  // its own picture shows the up one, greyed when disabled.
  int GetNumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int value);
  TButtonLayout GetLayout() const { return FLayout; }
  void SetLayout(TButtonLayout value);
  // Pixels from the edge the glyph stands at; -1 centres glyph and caption.
  int GetMargin() const { return FMargin; }
  void SetMargin(int value);
  // Pixels between glyph and caption; -1 spreads them evenly.
  int GetSpacing() const { return FSpacing; }
  void SetSpacing(int value);
  // Whether the button looks pushed in now (down, or held by the mouse).
  bool GetPushed() const { return FDown || FPressed; }
  // Runs the click (OnClick or the action) as a press would, without
  // changing Down.
  void Click() override;

  static void Publish(TPublisher<TSpeedButton>& p);
  static void Messages(TMessageMap<TSpeedButton>& m);

 protected:
  void Paint() override;
  void Loaded() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  // Tells the buttons of the parent that this one is down (they release
  // theirs) and what AllowAllUp the group has.
  void UpdateExclusive();
  bool Inside(int x, int y) const { return x >= 0 && x < FWidth && y >= 0 && y < FHeight; }
  // Ends a press without a click (the mouse was taken, the button disabled).
  void CancelPress();
  void GlyphChanged();
  // Where the glyph's and the caption's top-left corners go in area.
  void PlaceContents(const TRect& area, const TSize& glyph, const TSize& text, TPoint& glyphAt, TPoint& textAt);
  void DrawGlyph(int x, int y, const TSize& size);
  void DrawCaption(const std::string& text, const TRect& at);

  void CMButtonPressed(TMessage& m);
  void CMEnabledChanged(TMessage& m);
  void CMTextChanged(TMessage& m);
  void CMFontChanged(TMessage& m);
  void CMMouseEnter(TMessage& m);
  void CMMouseLeave(TMessage& m);
  void WMLButtonDblClk(TMessage& m);
  void WMCancelMode(TMessage& m);

  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  int FGroupIndex = 0;
  bool FDown = false;
  bool FAllowAllUp = false;
  bool FFlat = false;
  // The left button went down on the button and is still held.
  bool FDragging = false;
  // Held with the mouse over the button: shown pushed in.
  bool FPressed = false;
  bool FMouseInControl = false;
};
