// TStyFormStyler: paints its owner form's caption bar itself, a horizontal
// gradient from black to the caption colour with the caption text over it,
// by taking over the form's window procedure.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "controls/styled/styclass/WndProcComponent.h"
#include "controls/styled/stygraph/Captions.h"
#include "controls/styled/stygraph/Gradient.h"
#include "platform/vcl/Graphics.h"

class TCustomForm;

enum TStyPaintMode : std::uint8_t { pcNone, pcControl, pcOwnerDraw };
DRUMS_ENUM_NAMES(TStyPaintMode, "pcNone", "pcControl", "pcOwnerDraw")

using TStyPaintEvent = std::function<void(TObject* Sender, TCanvas* aCanvas, const TRect& Dest)>;

enum TStyFormStyleOption : std::uint8_t {
  fsAdjustRect,
  fsUseDefaultFont,
  fsUseFontColor,
  fsInactiveGradient,
  fsDrawCaptionEvent,
  fsUseFormCaption,
  fsCheckSystemGradient
};
DRUMS_ENUM_NAMES(TStyFormStyleOption, "fsAdjustRect", "fsUseDefaultFont", "fsUseFontColor", "fsInactiveGradient",
                 "fsDrawCaptionEvent", "fsUseFormCaption", "fsCheckSystemGradient")
using TStyFormStyleOptions = TSet<TStyFormStyleOption>;

inline const TStyFormStyleOptions kStyDefaultFormStyleOptions{fsAdjustRect, fsUseDefaultFont, fsUseFormCaption,
                                                              fsCheckSystemGradient};

class TStyFormStyler : public TStyWndProcComponent {
  DRUMS_CLASS(TStyFormStyler, TStyWndProcComponent)
 public:
  explicit TStyFormStyler(TComponent* AOwner);
  ~TStyFormStyler() override;

  void Activate() override;
  void Deactivate() override;
  void WndProc(TMessage& Message) override;

  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TStyColorCount GetColors() const { return FColors; }
  // Kept within 2..236.
  void SetColors(TStyColorCount value);
  TFont* GetFont() const { return FFont.get(); }
  void SetFont(TFont* value) { FFont->Assign(value); }
  TSty3DCaption* GetFont3D() const { return FFont3D.get(); }
  void SetFont3D(TSty3DCaption* value) { FFont3D->Assign(value); }
  TStyPaintMode GetPaintMode() const { return FPaintMode; }
  void SetPaintMode(TStyPaintMode value);
  TStyFormStyleOptions GetOptions() const { return FOptions; }
  void SetOptions(TStyFormStyleOptions value);
  // Whether the last activation message made the form active.
  bool GetActive() const { return FActive; }

  TStyPaintEvent OnPaint;
  TStyPaintEvent OnCaptionPaint;

  static void Publish(TPublisher<TStyFormStyler>& p);

 private:
  TCustomForm* Form() const;
  bool Designing() const { return GetComponentState().Contains(csDesigning); }
  // Nothing is painted over a caption the system already draws as a
  // gradient in more than 256 colours, when the options ask to check.
  bool SystemPaintsGradient() const;
  void PaintCaption(bool CaptureIcon);
  void PaintCaptionText(const TRect& TextRect);
  // Repaints with icon capture, or lets the system repaint in pcNone.
  void Repaint();
  void LetSystemRepaint();
  void FontChanged();

  TAlignment FAlignment = taLeftJustify;
  TStyColorCount FColors = 32;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TSty3DCaption> FFont3D;
  TStyPaintMode FPaintMode = pcControl;
  TStyFormStyleOptions FOptions = kStyDefaultFormStyleOptions;
  bool FActive = false;
  std::string FCaption;
  // The form shows the blank while FCaption holds its own caption.
  bool FCaptionHidden = false;
  bool FPainting = false;
  bool FToolWindow = false;
  std::unique_ptr<TBitmap> FIcon;
  std::unique_ptr<TCanvas> FCanvas;
};
