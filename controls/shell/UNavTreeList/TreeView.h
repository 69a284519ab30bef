// The tree view the shell tree is built on: custom drawing of single nodes
// through TNavCustomDraw, and a context menu for a node from the mouse or the
// keyboard.
#pragma once

#include <memory>

#include "controls/shell/UNavTreeList/CustomDraw.h"
#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/Menus.h"

// menu: the proposed menu; a handler may replace it or clear it.
using TNavTvOnNodeContextMenuEvent = TEvent<void(TObject* Sender, TTreeNode* Node, TPoint Point, TPopupMenu*& Menu)>;

class TNavCustomTreeView : public TCustomTreeView {
  DRUMS_CLASS(TNavCustomTreeView, TCustomTreeView)
  DRUMS_MESSAGE_MAP(TNavCustomTreeView)

 public:
  explicit TNavCustomTreeView(TComponent* AOwner) : TCustomTreeView(AOwner) {}
  ~TNavCustomTreeView() override;

  TNavTvOnNodeContextMenuEvent OnNodeContextMenu;

  static void Messages(TMessageMap<TNavCustomTreeView>& m);

 protected:
  // Answers one NM_CUSTOMDRAW; the drawer returned lives until the next one.
  // The base draws nothing of its own.
  virtual TNavCustomDraw* CustomDrawNotify(NMCUSTOMDRAW*, LRESULT&) { return nullptr; }
  virtual TNavCustomDraw* CreateCustomDraw(NMCUSTOMDRAW* notification, LRESULT& result);
  virtual void ShowNodeContextMenu();
  virtual void NodeContextMenu(TTreeNode* node, TPoint point);
  virtual void DoNodeContextMenu(TTreeNode* node, TPoint point, TPopupMenu*& menu);

  void CreateParams(TCreateParams& params) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  bool MenuShown() const { return FMenuShown; }
  // Runs Delete for every node, children before their parent, while the
  // window still exists; once only. The destructor calls it, but a subclass
  // whose Delete frees node data calls it from its own destructor, as the
  // base's destructor no longer reaches the subclass.
  void DeleteAllNodes();

 private:
  void CNNotify(TMessage& m);
  void WMRButtonUp(TMessage& m);
  void WMContextMenu(TMessage& m);
  void CMSysColorChange(TMessage& m);
  void ShowMenu(TPopupMenu* menu, TPoint clientPoint);
  void DeleteNodes(TTreeNode* node);

  bool FMenuShown = false;
  bool FNodesDeleted = false;
  std::unique_ptr<TNavCustomDraw> FCustomDraw;
};
