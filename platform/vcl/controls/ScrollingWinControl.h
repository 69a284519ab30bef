// TScrollingWinControl: a windowed control whose client area scrolls over
// its children, with a scroll bar per direction ranging over their bounds.
#pragma once

#include <memory>

#include "platform/vcl/classes/components/Persistent.h"
#include "platform/vcl/controls/WinControl.h"

enum TScrollBarKind { sbHorizontal, sbVertical };
DRUMS_ENUM_NAMES(TScrollBarKind, "sbHorizontal", "sbVertical")

class TScrollingWinControl;

class TControlScrollBar : public TPersistent {
  DRUMS_CLASS(TControlScrollBar, TPersistent)

 public:
  TControlScrollBar(TScrollingWinControl* control, TScrollBarKind kind);

  void Assign(TPersistent* source) override;
  TScrollBarKind GetKind() const { return FKind; }
  int GetPosition() const { return FPosition; }
  void SetPosition(int value);
  int GetRange() const { return FRange; }
  void SetRange(int value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool value);
  int GetIncrement() const { return FIncrement; }
  void SetIncrement(int value) { FIncrement = value > 0 ? value : 1; }
  int GetMargin() const { return FMargin; }
  void SetMargin(int value) { FMargin = value; }
  bool IsScrollBarVisible();
  // How far the position can go: the range less the client extent.
  int GetScrollPosMax();

  static void Publish(TPublisher<TControlScrollBar>& p);

 private:
  friend class TScrollingWinControl;
  void Update();
  void ScrollMessage(TMessage& m);
  int ClientExtent();

  TScrollingWinControl* FControl;
  TScrollBarKind FKind;
  int FPosition = 0;
  int FRange = 0;
  int FIncrement = 8;
  int FMargin = 0;
  bool FVisible = true;
};

class TScrollingWinControl : public TWinControl {
  DRUMS_CLASS(TScrollingWinControl, TWinControl)
  DRUMS_MESSAGE_MAP(TScrollingWinControl)

 public:
  explicit TScrollingWinControl(TComponent* AOwner);
  ~TScrollingWinControl() override;

  TControlScrollBar* GetHorzScrollBar() const { return FHorzScrollBar.get(); }
  void SetHorzScrollBar(TControlScrollBar* value) { FHorzScrollBar->Assign(value); }
  TControlScrollBar* GetVertScrollBar() const { return FVertScrollBar.get(); }
  void SetVertScrollBar(TControlScrollBar* value) { FVertScrollBar->Assign(value); }
  bool GetAutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool value);
  // Scrolls so that control lies in the client area.
  void ScrollInView(TControl* control);
  // Moves the children by (dx, dy) and scrolls the window with them.
  void ScrollBy(int dx, int dy);

  static void Publish(TPublisher<TScrollingWinControl>& p);
  static void Messages(TMessageMap<TScrollingWinControl>& m);

 protected:
  void AlignControls(TControl* control, TRect& rect) override;
  void CreateWnd() override;
  // Ranges follow the children's extent while AutoScroll.
  void CalcAutoRange();
  void UpdateScrollBars();

 private:
  friend class TControlScrollBar;
  void WMHScroll(TMessage& m);
  void WMVScroll(TMessage& m);
  std::unique_ptr<TControlScrollBar> FHorzScrollBar;
  std::unique_ptr<TControlScrollBar> FVertScrollBar;
  bool FAutoScroll = true;
  int FUpdatingScrollBars = 0;
};
