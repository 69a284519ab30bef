// TControl: a visual component with a position in its parent, a message
// dispatcher, mouse handling and the properties every control shares. A
// TControl of its own has no window: its windowed parent paints it and
// forwards its mouse messages (TGraphicControl); TWinControl adds a window.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/vcl/classes/components/Component.h"
#include "platform/vcl/controls/ControlMessages.h"
#include "platform/vcl/controls/ControlTypes.h"
#include "platform/vcl/controls/MessageMap.h"
#include "platform/vcl/controls/SizeConstraints.h"
#include "platform/vcl/graphics/Colors.h"
#include "platform/vcl/graphics/Font.h"
#include "platform/vcl/graphics/Geometry.h"

class TWinControl;
class TControl;
class TBasicAction;
class TControlActionLink;

// A replaceable window procedure: WindowProc starts as the control's WndProc.
using TWndMethod = std::function<void(TMessage& message)>;

class TControl : public TComponent {
  DRUMS_CLASS(TControl, TComponent)

 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  // Messages -----------------------------------------------------------
  // Calls WindowProc with the message and returns its result.
  LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);
  // Finds the handler in the class chain's message maps, else DefaultHandler.
  void Dispatch(TMessage& message);
  virtual void DefaultHandler(TMessage& message);
  TWndMethod WindowProc;

  // Parent and position ------------------------------------------------
  TWinControl* GetParent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);
  int GetLeft() const { return FLeft; }
  int GetTop() const { return FTop; }
  int GetWidth() const { return FWidth; }
  int GetHeight() const { return FHeight; }
  void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
  void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
  void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
  void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
  // The one place where a control moves or resizes.
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect GetBoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual TRect GetClientRect();
  int GetClientWidth() { return GetClientRect().Right; }
  int GetClientHeight() { return GetClientRect().Bottom; }
  void SetClientWidth(int value);
  void SetClientHeight(int value);
  // The screen position of the client area's top-left corner.
  virtual TPoint GetClientOrigin();
  TPoint ClientToScreen(const TPoint& point);
  TPoint ScreenToClient(const TPoint& point);
  TAlign GetAlign() const { return FAlign; }
  void SetAlign(TAlign value);
  // Edges kept at their distance from the parent's edges when the parent
  // resizes (both of a pair: the control stretches; neither: it keeps its
  // relative place).
  TAnchors GetAnchors() const { return FAnchors; }
  void SetAnchors(TAnchors value);
  TSizeConstraints* GetConstraints() const { return FConstraints.get(); }
  void SetConstraints(TSizeConstraints* value) { FConstraints->Assign(value); }

  // Appearance -----------------------------------------------------------
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool value);
  void Show();
  void Hide();
  // Deletes the control once the messages now waiting are handled: the way
  // to free a control from inside one of its own events.
  void Release();
  virtual bool GetEnabled() const { return FEnabled; }
  virtual void SetEnabled(bool value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor value);
  bool GetParentColor() const { return FParentColor; }
  void SetParentColor(bool value);
  TFont* GetFont() const { return FFont.get(); }
  void SetFont(TFont* value) { FFont->Assign(value); }
  bool GetParentFont() const { return FParentFont; }
  void SetParentFont(bool value);
  std::string GetText();
  void SetText(const std::string& value);
  std::string GetCaption() { return GetText(); }
  void SetCaption(const std::string& value) { SetText(value); }
  int GetTextLen();
  int GetTextBuf(char* buffer, int bufSize);
  void SetTextBuf(const char* buffer);
  const std::string& GetHint() const { return FHint; }
  void SetHint(const std::string& value) { FHint = value; }
  // The help topic of the control (0: none).
  int GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(int value) { FHelpContext = value; }
  bool GetShowHint() const { return FShowHint; }
  void SetShowHint(bool value);
  bool GetParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool value);
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor value);
  // The popup menu component (the menus unit's TPopupMenu), shown on a right
  // click; forms name it by reference.
  TComponent* GetPopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TComponent* value);
  TDragMode GetDragMode() const { return FDragMode; }
  void SetDragMode(TDragMode value) { FDragMode = value; }
  TCursor GetDragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor value) { FDragCursor = value; }
  bool GetCtl3D() const { return FCtl3D; }
  void SetCtl3D(bool value);
  bool GetParentCtl3D() const { return FParentCtl3D; }
  void SetParentCtl3D(bool value);
  TControlStyle GetControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle value) { FControlStyle = value; }
  TControlState GetControlState() const { return FControlState; }
  void SetControlState(TControlState value) { FControlState = value; }
  bool GetMouseCapture();
  void SetMouseCapture(bool value);
  // The action the control follows (caption, enabled state, hint,
  // visibility, click); null for none.
  TBasicAction* GetAction() const;
  void SetAction(TBasicAction* value);

  // Painting -----------------------------------------------------------
  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }
  // Whether the control and all its parents are visible, with a window.
  virtual bool Showing();
  void BringToFront();
  void SendToBack();
  void SetZOrder(bool topMost);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnResize;
  // Called with the position in client coordinates when a context menu is
  // asked for (right button or menu key); the menus unit hooks its popup in.
  std::function<bool(TControl* control, TPoint mousePos)> OnContextPopup;

  bool HasParent() override { return true; }
  TComponent* GetParentComponent() override;
  void SetParentComponent(TComponent* value) override;

  static void Publish(TPublisher<TControl>& p);

 protected:
  // The class chain's tables; TControl's own is the root.
  virtual bool DispatchMessageTable(TMessage& message);
  void InheritedMessage(TMessage& message) { DefaultHandler(message); }
  // DefaultHandler, telling whether the control outlived it: a window's own
  // notifications run handlers inside it, and a handler may free the control.
  bool AliveAfterDefault(TMessage& message);
  static void Messages(TMessageMap<TControl>& m);
  template <class X>
  friend const TMessageMap<X>& ::vcl::detail::MessageMapOf();

  virtual void WndProc(TMessage& message);
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
  // The context menu path: OnContextPopup first; true when handled.
  virtual bool DoContextPopup(TPoint mousePos);
  virtual void Changed();
  // After the size or place changed (not while loading).
  virtual void Resize();
  // Remembers the distances the anchors keep, from the current bounds.
  void UpdateAnchorRules();
  // Moves the control after its parent's client area became size.
  void ApplyAnchorRules(int parentWidth, int parentHeight);
  virtual void RequestAlign();
  void InvalidateControl(bool isVisible, bool isOpaque);
  virtual void VisibleChanging() {}
  void SendCancelMode(TControl* sender);
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  // The parent's font or colour changed: follow it while ParentFont/ParentColor.
  void ParentFontChanged();
  void ParentColorChanged();
  virtual void FontChanged(TObject* sender);
  // The linked action changed (sender): take its properties; with
  // checkDefaults only those the control still has at their default.
  virtual void ActionChange(TObject* sender, bool checkDefaults);
  TControlActionLink* GetActionLink() const { return FActionLink.get(); }

  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  TAlign FAlign = alNone;
  TAnchors FAnchors{akLeft, akTop};
  bool FVisible = true;
  bool FEnabled = true;
  TColor FColor = clWindow;
  bool FParentColor = true;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  std::string FText;
  std::string FHint;
  int FHelpContext = 0;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TCursor FCursor = crDefault;
  TComponent* FPopupMenu = nullptr;
  std::unique_ptr<TSizeConstraints> FConstraints;
  TDragMode FDragMode = dmManual;
  TCursor FDragCursor = crDrag;
  bool FCtl3D = true;
  bool FParentCtl3D = true;
  TRect FAnchorRules;  // left, top, right and bottom distances
  TPoint FOriginalParentSize;  // the parent's client size they were taken at
  bool FAnchorMove = false;
  TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState FControlState;

 private:
  friend class TWinControl;
  friend class TControlActionLink;
  std::unique_ptr<TControlActionLink> FActionLink;
  void WMLButtonDown(TMessage& m);
  void WMLButtonDblClk(TMessage& m);
  void WMLButtonUp(TMessage& m);
  void WMRButtonDown(TMessage& m);
  void WMRButtonDblClk(TMessage& m);
  void WMRButtonUp(TMessage& m);
  void WMMButtonDown(TMessage& m);
  void WMMButtonDblClk(TMessage& m);
  void WMMButtonUp(TMessage& m);
  void WMMouseMove(TMessage& m);
  void WMMouseWheel(TMessage& m);
  void WMContextMenu(TMessage& m);
  void WMCancelMode(TMessage& m);
  void CMVisibleChanged(TMessage& m);
  void CMEnabledChanged(TMessage& m);
  void CMFontChanged(TMessage& m);
  void CMColorChanged(TMessage& m);
  void CMParentFontChanged(TMessage& m);
  void CMParentColorChanged(TMessage& m);
  void CMParentShowHintChanged(TMessage& m);
  void CMHitTest(TMessage& m);
  void CMParentCtl3DChanged(TMessage& m);
  void DoMouseDown(TMessage& m, TMouseButton button, TShiftState extra);
  void DoMouseUp(TMessage& m, TMouseButton button);
  void FontChangedHandler(TObject* sender) { FontChanged(sender); }
};

// The process-wide control holding the mouse capture (a graphic control's
// capture is its parent window's).
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);
