// One NM_CUSTOMDRAW notification of a tree or list view, through which a
// control changes the font and colours of a single node or item: change Font
// or Brush (or set SkipDefault), then Apply writes the answer.
#pragma once

#include <memory>

#include "platform/vcl/Controls.h"
#include "platform/vcl/Graphics.h"
#include "platform/win/commctrl.h"

class TNavCustomDraw : public TObject {
  DRUMS_CLASS(TNavCustomDraw, TObject)

 public:
  TNavCustomDraw(NMCUSTOMDRAW* notification, TFont* controlFont, LRESULT* result);
  ~TNavCustomDraw() override;

  // Takes a new notification; the font and brush are made again on next use.
  virtual void Init(NMCUSTOMDRAW* notification, LRESULT* result);
  virtual void Apply() = 0;

  // A copy of the control's font in the device context's text colour.
  TFont* GetFont();
  // A solid brush in the device context's background colour.
  TBrush* GetBrush();
  // 1 pre-paint, 2 post-paint, 4 item pre-paint, 5 item post-paint, 0 other.
  int Stage() const;
  NMCUSTOMDRAW* GetNotification() const { return FNotification; }

  // At the pre-paint stage ask for the items' own notifications.
  bool NotifyItemDraw = false;
  // The item is drawn by whoever handled the notification.
  bool SkipDefault = false;

 protected:
  virtual TFont* CreateFont();
  virtual TBrush* CreateBrush();
  // The answer both views share, with the record's two colours.
  void ApplyTo(COLORREF& textColor, COLORREF& textBkColor);

 private:
  TFont* FControlFont;
  std::unique_ptr<TFont> FFont;
  bool FFontChanged = false;
  std::unique_ptr<TBrush> FBrush;
  bool FBrushChanged = false;
  NMCUSTOMDRAW* FNotification = nullptr;
  LRESULT* FResult = nullptr;
};

class TNavTvCustomDraw : public TNavCustomDraw {
  DRUMS_CLASS(TNavTvCustomDraw, TNavCustomDraw)

 public:
  using TNavCustomDraw::TNavCustomDraw;
  NMTVCUSTOMDRAW* GetTvNotification() const { return reinterpret_cast<NMTVCUSTOMDRAW*>(GetNotification()); }
  void Apply() override { ApplyTo(GetTvNotification()->clrText, GetTvNotification()->clrTextBk); }
};

class TNavLvCustomDraw : public TNavCustomDraw {
  DRUMS_CLASS(TNavLvCustomDraw, TNavCustomDraw)

 public:
  using TNavCustomDraw::TNavCustomDraw;
  NMLVCUSTOMDRAW* GetLvNotification() const { return reinterpret_cast<NMLVCUSTOMDRAW*>(GetNotification()); }
  void Apply() override { ApplyTo(GetLvNotification()->clrText, GetLvNotification()->clrTextBk); }
};

// A view's answer to NM_CUSTOMDRAW when no class-library draw event is set:
// the drawer the view's createDrawer makes (none: the default drawing) is
// kept until the next notification, which frees it first.
template <class CreateDrawer>
void AnswerWithDrawer(TMessage& m, std::unique_ptr<TNavCustomDraw>& kept, CreateDrawer createDrawer) {
  kept.reset();
  LRESULT result = 0;
  kept.reset(createDrawer(reinterpret_cast<NMCUSTOMDRAW*>(m.LParam), result));
  m.Result = result;
}
