// The base of the controls that wrap one of the window manager's common
// controls (status bar, tab control, up-down, header): the window comes
// from the common control's class and paints itself; the library only adds
// its window-less children on top.
#pragma once

#include <functional>
#include <memory>

#include "platform/vcl/classes/components/Collection.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/WinControl.h"

class TCommonControl : public TWinControl {
  DRUMS_CLASS(TCommonControl, TWinControl)
  DRUMS_MESSAGE_MAP(TCommonControl)

 public:
  explicit TCommonControl(TComponent* AOwner);
  ~TCommonControl() override;

  // The canvas owner-drawing events draw on.
  TCanvas* GetCanvas() const { return FCanvas.get(); }

  static void Messages(TMessageMap<TCommonControl>& m);

 protected:
  // Bases the window on the common control's class (registering the common
  // controls first).
  void CreateCommonControl(TCreateParams& params, const char* className);
  // Adds or removes style bits of the live window (nothing without one);
  // the window reads them on its next paint or input.
  void SetWindowStyleBit(DWORD bits, bool on);
  // A message to the window, 0 without one.
  LRESULT SendToWindow(UINT msg, WPARAM wParam, LPARAM lParam);
  // Runs draw with the canvas on the item's context (WM_DRAWITEM), the
  // control's font selected.
  void DrawItemOnCanvas(const DRAWITEMSTRUCT& item, const std::function<void()>& draw);

 private:
  void WMPaint(TMessage& m);
  void WMEraseBkgnd(TMessage& m);

  std::unique_ptr<TControlCanvas> FCanvas;
};

// The items of a common control (status panels, header sections). A new
// item joins the collection from its base constructor, before its own
// fields exist; the control hears of it only once the item says it is
// built, and hears nothing while it is going away.
class TControlItems : public TCollection {
  DRUMS_CLASS(TControlItems, TCollection)

 public:
  TControlItems(TClass itemClass, TComponent* control) : TCollection(itemClass, control), FControl(control) {}

  // Called at the end of an item's constructor: the control takes it up.
  void ItemBuilt(TCollectionItem* item);

 protected:
  void Notify(TCollectionItem* item, TCollectionNotification action) override;
  // Whether the control should take changes now.
  bool Ready() const;

 private:
  TComponent* FControl;
  TCollectionItem* FBuilding = nullptr;
};
