// TWinControl: a control with a window of its own, made on demand, holding
// child controls, laying out the aligned ones, painting the window-less ones
// and forwarding their mouse messages, taking the keyboard focus.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/controls/Control.h"
#include "platform/vcl/graphics/Brush.h"

class TWinControl : public TControl {
  DRUMS_CLASS(TWinControl, TControl)
  DRUMS_MESSAGE_MAP(TWinControl)

 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  // The window, made with its parents' windows first.
  HWND GetHandle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  // A window that is not a control's, holding this control when it has no
  // Parent (a control embedded in a foreign window).
  HWND GetParentWindow() const { return FParentWindow; }
  void SetParentWindow(HWND value);
  static TWinControl* CreateParentedControl(TClass cls, HWND parentWindow);
  void DestroyHandle();
  // Destroys the window; the next use makes it again with the same text and
  // children.
  void RecreateWnd();

  // Children -------------------------------------------------------------
  int GetControlCount() const { return static_cast<int>(FControls.size() + FWinControls.size()); }
  // Window-less children first, then windowed ones, each back to front.
  TControl* GetControls(int index) const;
  int GetWinControlCount() const;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(TControl* control) const;
  // The visible, enabled (unless allowDisabled) child under pos (client
  // coordinates), topmost first; windowed children only when allWinControls.
  TControl* ControlAtPos(const TPoint& pos, bool allowDisabled, bool allWinControls = false);
  TControl* FindChildControl(const std::string& name) const;
  // Sends the message to every child until one sets Result.
  void Broadcast(TMessage& message);
  void NotifyControls(UINT msg);
  // A child asks to be brought into view (a page control turns to its page);
  // the request climbs the parents.
  virtual void ShowControl(TControl* control);
  void PaintTo(HDC dc, int x, int y);
  // Paints the window-less children from first (null: all) upwards on dc,
  // each moved to its place and clipped to itself (transparent controls
  // paint their parent's picture under them this way).
  void PaintControls(HDC dc, TControl* first);

  // Layout -----------------------------------------------------------------
  void DisableAlign();
  void EnableAlign();
  void Realign();
  void ScaleBy(int m, int d);
  void AlignControl(TControl* control);

  // Focus and tab order -------------------------------------------------
  int GetTabOrder() const;
  void SetTabOrder(int value);
  bool GetTabStop() const { return FTabStop; }
  void SetTabStop(bool value);
  virtual bool CanFocus();
  bool Focused();
  virtual void SetFocus();
  // The enabled, visible windowed children in tab order, recursing.
  void GetTabOrderList(std::vector<TWinControl*>& list);
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent);
  void SelectFirst();
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
  // Called on the top-level control when focus moves into control's window:
  // sends CM_EXIT to the old focused control and CM_ENTER to the new. A
  // form overrides it to keep ActiveControl; false refuses the focus.
  virtual bool SetFocusedControl(TWinControl* control);
  // Moves the focus to control (a child of this top-level control).
  virtual void FocusControl(TWinControl* control);
  TWinControl* GetFocusedControl() const { return FFocusedControl; }

  void SetParent(TWinControl* AParent) override;
  bool Showing() override { return FShowing; }
  void UpdateShowing();
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TRect GetClientRect() override;
  TPoint GetClientOrigin() override;
  void Invalidate() override;
  void Update() override;
  void Repaint() override;
  void DefaultHandler(TMessage& message) override;

  TBrush* GetBrush() const { return FBrush.get(); }
  bool GetDoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TMouseWheelEvent OnMouseWheel;

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void SetChildOrder(TComponent* child, int order) override;

  static void Publish(TPublisher<TWinControl>& p);
  static void Messages(TMessageMap<TWinControl>& m);

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  // Bases the window class on a predefined one: its procedure becomes the
  // default handler of every message the control does not handle.
  void CreateSubClass(TCreateParams& params, const char* controlClassName);
  virtual void CreateHandle();
  virtual void DestroyWnd();
  virtual void DestroyWindowHandle();
  void WndProc(TMessage& message) override;
  virtual void AlignControls(TControl* control, TRect& rect);
  virtual void AdjustClientRect(TRect& rect) { (void)rect; }
  virtual void PaintHandler(TMessage& message);
  virtual void PaintWindow(HDC dc);
  virtual void DoEnter();
  virtual void DoExit();
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyPress(char& key);
  virtual void KeyUp(WORD& key, TShiftState shift);
  // A form answers true to see its controls' keys first.
  virtual bool GetKeyPreview() const { return false; }
  bool DoKeyDown(TMessage& message);
  bool DoKeyPress(TMessage& message);
  bool DoKeyUp(TMessage& message);
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
  virtual void ControlsAligned() {}
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void UpdateBounds();
  // Hands the focus this control (or a child) holds to its parent in the
  // tree's books, without CM_EXIT: for controls that can no longer hold it.
  void ForgetFocus();
  void FontChanged(TObject* sender) override;

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = nullptr;
  HWND FParentWindow = nullptr;
  std::vector<TControl*> FControls;  // window-less children, back to front
  std::vector<TWinControl*> FWinControls;  // windowed children, back to front
  std::vector<TWinControl*> FTabList;
  std::unique_ptr<TBrush> FBrush;
  bool FTabStop = false;
  bool FShowing = false;
  bool FDoubleBuffered = false;
  int FAlignLevel = 0;
  bool FReparenting = false;
  TWinControl* FFocusedControl = nullptr;

 private:
  friend class TControl;
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
  void Insert(TControl* control);
  void Remove(TControl* control);
  void UpdateTabOrder(int value);
  bool IsControlMouseMsg(TMessage& message);
  void TrackMouseControl(TMessage& message);
  void AttachHandle(HWND hwnd);
  void ReflectTo(TMessage& message, HWND child);

  void WMPaint(TMessage& m);
  void WMEraseBkgnd(TMessage& m);
  void WMSize(TMessage& m);
  void WMMove(TMessage& m);
  void WMCommand(TMessage& m);
  void WMNotify(TMessage& m);
  void WMDrawItem(TMessage& m);
  void WMMeasureItem(TMessage& m);
  void WMDeleteItem(TMessage& m);
  void WMCompareItem(TMessage& m);
  void WMScroll(TMessage& m);
  void WMCtlColor(TMessage& m);
  void WMSetFocus(TMessage& m);
  void WMKillFocus(TMessage& m);
  void WMKeyDown(TMessage& m);
  void WMChar(TMessage& m);
  void WMKeyUp(TMessage& m);
  void WMSetCursor(TMessage& m);
  void WMMouseLeave(TMessage& m);
  void WMContextMenu(TMessage& m);
  void WMNCDestroy(TMessage& m);
  void CNKeyDown(TMessage& m);
  void CNChar(TMessage& m);
  void CMDialogKey(TMessage& m);
  void CMDialogChar(TMessage& m);
  void CMChildKey(TMessage& m);
  void CMEnter(TMessage& m);
  void CMExit(TMessage& m);
  void CMColorChanged(TMessage& m);
  void CMFontChanged(TMessage& m);
  void CMEnabledChanged(TMessage& m);
  void CMVisibleChanged(TMessage& m);
  void CMShowingChanged(TMessage& m);
  void CMShowHintChanged(TMessage& m);
  void CMInvalidate(TMessage& m);
  void CMCtl3DChanged(TMessage& m);
  void CMFocusChanged(TMessage& m);
};

// The control under a screen position: the windowed control whose window is
// there, or its window-less child at that point.
TControl* FindDragTarget(const TPoint& screenPos, bool allowDisabled);
// The windowed control under a screen position.
TWinControl* FindVCLWindow(const TPoint& screenPos);
// The control whose window this is, or null.
TWinControl* FindControl(HWND handle);
// The outermost windowed control holding control (itself when it has no parent).
TWinControl* GetTopParent(TControl* control);
// Whether ch is caption's accelerator ("&S" in "&Save"), case-insensitive.
bool IsAccel(WORD ch, const std::string& caption);

namespace vcl {
// Gives a key message a chance at dialog handling before it is translated
// and dispatched: sends CN_KEYDOWN / CN_CHAR ... to the control whose window
// it is addressed to; true when the control or its form used it. The message
// loop calls this for every key message it takes from the queue.
bool IsKeyMsg(MSG& msg);
}  // namespace vcl
