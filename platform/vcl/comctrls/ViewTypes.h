// What the tree view and the list view share: the custom-draw stages and
// item states handed to their OnCustomDraw events, and the canvas they lend
// the notification's device context through.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "platform/vcl/classes/typeinfo/Published.h"
#include "platform/vcl/classes/typeinfo/Set.h"
#include "platform/vcl/controls/ControlTypes.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/graphics/Geometry.h"
#include "platform/win/commctrl.h"

enum TCustomDrawStage { cdPrePaint, cdPostPaint, cdPreErase, cdPostErase };
DRUMS_ENUM_NAMES(TCustomDrawStage, "cdPrePaint", "cdPostPaint", "cdPreErase", "cdPostErase")
enum TCustomDrawStateItem {
  cdsSelected,
  cdsGrayed,
  cdsDisabled,
  cdsChecked,
  cdsFocused,
  cdsDefault,
  cdsHot,
  cdsMarked,
  cdsIndeterminate
};
DRUMS_ENUM_NAMES(TCustomDrawStateItem, "cdsSelected", "cdsGrayed", "cdsDisabled", "cdsChecked", "cdsFocused",
                 "cdsDefault", "cdsHot", "cdsMarked", "cdsIndeterminate")
using TCustomDrawState = TSet<TCustomDrawStateItem>;

namespace vcl::comctrls {

// The CDIS_ bits of a custom-draw record as a state set (bit n is item n).
inline TCustomDrawState DrawStateOf(UINT itemState) {
  return TCustomDrawState::FromBits(itemState & 0x1FF);
}

// The stage of a custom-draw record, without its item bits.
inline TCustomDrawStage DrawStageOf(DWORD drawStage) {
  switch (drawStage & 0xFFFF) {
    case CDDS_POSTPAINT: return cdPostPaint;
    case CDDS_PREERASE: return cdPreErase;
    case CDDS_POSTERASE: return cdPostErase;
    default: return cdPrePaint;
  }
}

// Runs an event whose last argument is a flag its handler may clear (allow
// a change, draw by default ...); true unless the handler cleared it.
template <class Event, class... A>
bool AskEvent(const Event& event, A&&... args) {
  bool flag = true;
  if (event) event(std::forward<A>(args)..., flag);
  return flag;
}

// An item's overlay image index as the window's state bits (-1: none).
inline UINT OverlayBits(int overlayIndex) {
  return static_cast<UINT>(INDEXTOOVERLAYMASK(overlayIndex >= 0 ? overlayIndex + 1 : 0));
}

// The window orders its items after the model: each by its place there.
template <class Item>
int CALLBACK ByModelPosition(LPARAM a, LPARAM b, LPARAM) {
  return reinterpret_cast<Item*>(a)->GetIndex() - reinterpret_cast<Item*>(b)->GetIndex();
}

// The default order of labels: as a reader sorts them, letters before case
// (so "hat" comes before "Kick"), case deciding only between equals.
int CompareLabels(const std::string& a, const std::string& b);

// What a view's custom-draw events answer at one NM_CUSTOMDRAW.
struct TCustomDrawHooks {
  bool controlDrawn = false;  // OnCustomDraw in use
  bool itemDrawn = false;  // OnCustomDrawItem in use
  // The control's pre-paint: false skips the default drawing.
  std::function<bool(const TRect& rect)> drawControl;
  // An item's pre-paint: false skips its default drawing; none when the
  // record names no item of the view.
  std::function<std::optional<bool>(TCustomDrawState state)> drawItem;
};

// Answers NM_CUSTOMDRAW for a tree or a list view (their records begin
// alike): lends the device context to canvas set up with the control's font
// and colour, asks the hooks, and hands the canvas's colours and font back.
LRESULT CustomDrawNotify(NMCUSTOMDRAW* nmcd, COLORREF* clrText, COLORREF* clrTextBk, TCanvas* canvas, TFont* font,
                         TColor color, const TCustomDrawHooks& hooks);

// Lends a notification's device context to a canvas for one event, set up
// with the control's font and colour, and takes it back afterwards.
class TLentCanvas {
 public:
  TLentCanvas(TCanvas* canvas, HDC dc, TFont* font, TColor color) : FCanvas(canvas) {
    FCanvas->SetHandle(dc);
    FCanvas->SetFont(font);
    FCanvas->GetBrush()->SetColor(color);
  }
  ~TLentCanvas() { FCanvas->SetHandle(nullptr); }
  TLentCanvas(const TLentCanvas&) = delete;
  TLentCanvas& operator=(const TLentCanvas&) = delete;

 private:
  TCanvas* FCanvas;
};

}  // namespace vcl::comctrls
