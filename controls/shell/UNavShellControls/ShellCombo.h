// TNavCustomShellCombo / TNavShellCombo: the "Look in" drop-down. It lists
// the desktop, the desktop's folders, the volumes and folders of My Computer
// and the chain of folders down to the current one, each with its small
// system icon and indented by its depth, and follows a linked shell list or
// tree both ways.
#pragma once

#include <cstdint>
#include <memory>

#include "controls/shell/UNavImageCombo.h"
#include "controls/shell/UNavShellControls/ComboLink.h"
#include "controls/shell/UNavShellControls/Locator.h"
#include "platform/vcl/Classes.h"
#include "platform/win/shlobj.h"

class TNavIdListArray;
class TNavCustomShellList;
class TTreeNode;

enum TNavShellComboOption { navscoAutofill, navscoNonFilesystemAncestors };
DRUMS_ENUM_NAMES(TNavShellComboOption, "navscoAutofill", "navscoNonFilesystemAncestors")
using TNavShellComboOptions = TSet<TNavShellComboOption>;

class TNavCustomShellCombo : public TNavCustomImageCombo {
  DRUMS_CLASS(TNavCustomShellCombo, TNavCustomImageCombo)
  DRUMS_MESSAGE_MAP(TNavCustomShellCombo)

 public:
  explicit TNavCustomShellCombo(TComponent* AOwner);
  ~TNavCustomShellCombo() override;

  INavShellComboPartner* GetShellTree() const { return FShellTree; }
  // Ignored while a list is linked.
  void SetShellTree(INavShellComboPartner* tree);
  INavShellComboPartner* GetShellList() const { return FShellList; }
  // Ignored while a tree is linked.
  void SetShellList(INavShellComboPartner* list);
  TNavShellComboOptions GetOptions() const { return FOptions; }
  void SetOptions(TNavShellComboOptions value) { FOptions = value; }
  // The current folder. The linked list or tree sets it when its own folder
  // changes; the combo then rebuilds around it.
  TNavShellLocator* GetLocator() const { return FLocator.get(); }

  // Selects the entry `levels` steps up the chain from the selected one.
  void GoUp(int levels);
  // The linked tree's selection changed.
  virtual void TreeNodeChanged(TTreeNode* node);
  // The combo keeps no pending refresh of its own.
  void FlushPendingRefresh(bool) {}
  // Lists the entries again around the current folder (only with a window).
  void Rebuild();

  static void Messages(TMessageMap<TNavCustomShellCombo>& m);

 protected:
  virtual bool CanAddItem(IShellFolder* parentFolder, LPCITEMIDLIST parentAbsolute, SFGAOF attributes,
                          LPCITEMIDLIST child);
  virtual void LocatorChanged(TObject* Sender);
  virtual void Fill(IShellFolder* folder, LPCITEMIDLIST parentAbsolute, TNavIdListArray& path, int level);

  void DeleteItemData(void* data) override;
  void GetItemInfo(TNavImageComboItem* item) override;
  void SelEndOk() override;
  void Loaded() override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void FillPath(IShellFolder* folder, LPCITEMIDLIST entryAbsolute, LPCITEMIDLIST entryRelative, TNavIdListArray& path,
                int level);
  TNavImageComboItem* AddEntry(IShellFolder* folder, LPCITEMIDLIST parentAbsolute, LPCITEMIDLIST child,
                               SFGAOF attributes, int level, bool named, DWORD nameFlags);
  HWND OwnerWindow();
  void CMDesignHitTest(TMessage& m);

  int32_t FUpdateCount = 0;
  INavShellComboPartner* FShellTree = nullptr;
  INavShellComboPartner* FShellList = nullptr;
  // The partners as components, to recognise them when they go.
  TComponent* FShellTreeComponent = nullptr;
  TComponent* FShellListComponent = nullptr;
  std::unique_ptr<TNavShellLocator> FLocator;
  TNavShellComboOptions FOptions{navscoAutofill, navscoNonFilesystemAncestors};
  TCustomImageList* FSmallImages = nullptr;
};

class TNavShellCombo : public TNavCustomShellCombo {
  DRUMS_CLASS(TNavShellCombo, TNavCustomShellCombo)

 public:
  using TNavCustomShellCombo::TNavCustomShellCombo;

  // The linked list as forms name it.
  TNavCustomShellList* GetLinkedList() const;
  void SetLinkedList(TNavCustomShellList* list);

  static void Publish(TPublisher<TNavShellCombo>& p);
};
