// TNavSplitter: two panes side by side (or one above the other) with a bar
// between them that the user drags; the first pane's size is Position, kept
// in proportion to the splitter's extent when it resizes.
#pragma once

#include <cstdint>

#include "controls/shell/UNavSplitter/NavPane.h"

enum TNavSplitterStyle : std::uint8_t { navstVertical, navstHorizontal };
DRUMS_ENUM_NAMES(TNavSplitterStyle, "navstVertical", "navstHorizontal")
enum TNavFullDragMode : std::uint8_t { navfdOff, navfdOn, navfdUser };
DRUMS_ENUM_NAMES(TNavFullDragMode, "navfdOff", "navfdOn", "navfdUser")

using TNavSplitterDragEvent = TEvent<void(TObject* aSender, int aPosition)>;

class TNavSplitter : public TCustomControl {
  DRUMS_CLASS(TNavSplitter, TCustomControl)
  DRUMS_MESSAGE_MAP(TNavSplitter)

 public:
  explicit TNavSplitter(TComponent* AOwner);

  TNavSplitterStyle GetStyle() const { return FStyle; }
  void SetStyle(TNavSplitterStyle value);
  int GetPosition() const { return FPosition; }
  // Kept between pane 1's MinSize and the extent less pane 2's MinSize,
  // and never below 0.
  void SetPosition(int value) { SetPositionEx(value, true); }
  int GetSplitterWidth() const { return FSplitterWidth; }
  void SetSplitterWidth(int value);
  TNavFullDragMode GetFullDragMode() const { return FFullDragMode; }
  void SetFullDragMode(TNavFullDragMode value) { FFullDragMode = value; }
  bool GetProportional() const { return FProportional; }
  void SetProportional(bool value) { FProportional = value; }

  TNavPane* GetPane(int index) const { return FPanes[index & 1]; }
  TColor GetPane1Color() const { return PaneColor(0); }
  void SetPane1Color(TColor value) { SetPaneColor(0, value); }
  TColor GetPane2Color() const { return PaneColor(1); }
  void SetPane2Color(TColor value) { SetPaneColor(1, value); }
  TNavFrameStyle GetPane1FrameStyle() const { return PaneFrameStyle(0); }
  void SetPane1FrameStyle(TNavFrameStyle value) { SetPaneFrameStyle(0, value); }
  TNavFrameStyle GetPane2FrameStyle() const { return PaneFrameStyle(1); }
  void SetPane2FrameStyle(TNavFrameStyle value) { SetPaneFrameStyle(1, value); }
  int GetPane1MinSize() const { return PaneMinSize(0); }
  void SetPane1MinSize(int value) { SetPaneMinSize(0, value); }
  int GetPane2MinSize() const { return PaneMinSize(1); }
  void SetPane2MinSize(int value) { SetPaneMinSize(1, value); }

  // Width for navstVertical, Height for navstHorizontal.
  int Extent() const { return FStyle == navstVertical ? GetWidth() : GetHeight(); }
  double GetRatio() const { return FRatio; }
  bool GetDragging() const { return FDragging; }
  // Where the dragged bar is shown (the mouse position along the axis), -1
  // when none is.
  int GetShownPosition() const { return FShown; }
  // Whether dragging moves the panes live (FullDragMode, the system's
  // setting for navfdUser).
  bool FullDrag() const;

  TNotifyEvent OnChange;
  TNotifyEvent OnResize;
  TNavSplitterDragEvent OnSplitterDrag;
  TNavSplitterDragEvent OnSplitterDrop;

  // Renames the panes too (not while loading or reading).
  void SetName(const std::string& value) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  TComponent* GetChildOwner() override;

  static void Publish(TPublisher<TNavSplitter>& p);
  static void Messages(TMessageMap<TNavSplitter>& m);

 protected:
  void Loaded() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  // Inverts the bar at the shown position; drawing it twice erases it.
  virtual void DrawDragBar();
  virtual void Change();
  virtual void ResizeSplitter();
  virtual void SplitterDrag(int aPosition);
  virtual void SplitterDrop(int aPosition);

 private:
  void SetPositionEx(int value, bool updateRatio);
  void UpdateRatio();
  void Layout();
  void MoveBar(int p);
  // The mouse position p kept where the bar leaves both panes their MinSize.
  int ClampDragPoint(int p) const;
  void CancelDrag();
  void MakePanes();
  void NamePanes(const std::string& name);
  void HighlightPane(TNavPane* pane);
  bool Loading() const { return GetComponentState().Contains(csLoading); }
  bool Designing() const { return GetComponentState().Contains(csDesigning); }

  TColor PaneColor(int i) const;
  void SetPaneColor(int i, TColor value);
  TNavFrameStyle PaneFrameStyle(int i) const;
  void SetPaneFrameStyle(int i, TNavFrameStyle value);
  int PaneMinSize(int i) const;
  void SetPaneMinSize(int i, int value);

  void CMColorChanged(TMessage& m);
  void CMCancelMode(TMessage& m);
  void WMSize(TMessage& m);
  void WMSetCursor(TMessage& m);
  void WMParentNotify(TMessage& m);
  void WMCaptureChanged(TMessage& m);

  TNavSplitterStyle FStyle = navstVertical;
  int FPosition = 65;
  int FSplitterWidth = 3;
  TNavFullDragMode FFullDragMode = navfdUser;
  bool FProportional = true;
  TNavPane* FPanes[2] = {nullptr, nullptr};
  double FRatio = 65.0 / 200.0;
  bool FDragging = false;
  TMouseButton FDragButton = mbLeft;
  int FDragOffset = 0;
  int FShown = -1;
  // While the drag's own button comes up: the capture it lets go of is no
  // loss.
  bool FEndingDrag = false;
};

// The unit's start and end: TNavPane known to the form reader (unless a
// class of that name already is), and the shared drag pattern freed.
void InitNavSplitter();
void DoneNavSplitter();
