// TListView / TCustomListView on the window manager's list view: items
// (TListItem in TListItems) with sub-items, columns (TListColumns), four
// view styles and the image lists they draw from. The items keep their own
// texts, images and data and outlive the window. The window's notifications
// come back as CN_NOTIFY; a click reports the selection (OnChange, then
// OnSelectItem) before the mouse events, as the window acts on the button
// before the control's own handling.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/classes/components/Collection.h"
#include "platform/vcl/classes/strings/StringList.h"
#include "platform/vcl/comctrls/ViewNotifications.h"
#include "platform/vcl/comctrls/ViewTypes.h"
#include "platform/vcl/controls/ImageList.h"
#include "platform/vcl/controls/WinControl.h"

class TListItem;
class TListItems;
class TListColumn;
class TListColumns;
class TCustomListView;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
DRUMS_ENUM_NAMES(TViewStyle, "vsIcon", "vsSmallIcon", "vsList", "vsReport")
enum TItemChange { ctText, ctImage, ctState };
DRUMS_ENUM_NAMES(TItemChange, "ctText", "ctImage", "ctState")
enum TIconArrangement { iaTop, iaLeft };
DRUMS_ENUM_NAMES(TIconArrangement, "iaTop", "iaLeft")
enum TDisplayCode { drBounds, drIcon, drLabel, drSelectBounds };

// < 0, 0 or > 0 for item1 against item2.
using TLVCompare = std::function<int(TListItem* item1, TListItem* item2, LPARAM data)>;

using TLVNotifyEvent = TEvent<void(TObject* Sender, TListItem* Item)>;
using TLVChangeEvent = TEvent<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVChangingEvent = TEvent<void(TObject* Sender, TListItem* Item, TItemChange Change, bool& AllowChange)>;
using TLVSelectItemEvent = TEvent<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVColumnClickEvent = TEvent<void(TObject* Sender, TListColumn* Column)>;
using TLVEditingEvent = TEvent<void(TObject* Sender, TListItem* Item, bool& AllowEdit)>;
using TLVEditedEvent = TEvent<void(TObject* Sender, TListItem* Item, std::string& S)>;
using TLVCompareEvent = TEvent<void(TObject* Sender, TListItem* Item1, TListItem* Item2, LPARAM Data, int& Compare)>;
using TLVCustomDrawEvent = TEvent<void(TCustomListView* Sender, const TRect& ARect, bool& DefaultDraw)>;
using TLVCustomDrawItemEvent =
    TEvent<void(TCustomListView* Sender, TListItem* Item, TCustomDrawState State, bool& DefaultDraw)>;

class TListColumn : public TCollectionItem {
  DRUMS_CLASS(TListColumn, TCollectionItem)

 public:
  explicit TListColumn(TCollection* Collection);

  const std::string& GetCaption() const { return FCaption; }
  void SetCaption(const std::string& value);
  // The window's width when it shows the column (report view: the user may
  // have dragged it), else the width the column keeps for it.
  int GetWidth() const;
  void SetWidth(int value);
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  std::string GetDisplayName() override { return FCaption.empty() ? inherited::GetDisplayName() : FCaption; }
  void Assign(TPersistent* source) override;

  static void Publish(TPublisher<TListColumn>& p);

 private:
  friend class TCustomListView;
  TCustomListView* ListView() const;
  bool WindowHoldsWidth() const;
  std::string FCaption;
  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
};

class TListColumns : public TCollection {
  DRUMS_CLASS(TListColumns, TCollection)

 public:
  explicit TListColumns(TCustomListView* AOwner);
  TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
  TListColumn* GetItem(int index) const { return static_cast<TListColumn*>(TCollection::GetItem(index)); }
  TCustomListView* GetOwnerView() const { return FView; }

 protected:
  void Update(TCollectionItem* item) override;

 private:
  TCustomListView* FView;
};

class TIconOptions : public TPersistent {
  DRUMS_CLASS(TIconOptions, TPersistent)

 public:
  explicit TIconOptions(TCustomListView* AOwner) : FOwner(AOwner) {}
  TIconArrangement GetArrangement() const { return FArrangement; }
  void SetArrangement(TIconArrangement value);
  bool GetAutoArrange() const { return FAutoArrange; }
  void SetAutoArrange(bool value);
  bool GetWrapText() const { return FWrapText; }
  void SetWrapText(bool value);
  void Assign(TPersistent* source) override;

  static void Publish(TPublisher<TIconOptions>& p);

 private:
  TCustomListView* FOwner;
  TIconArrangement FArrangement = iaTop;
  bool FAutoArrange = false;
  bool FWrapText = true;
};

class TListItem : public TPersistent {
  DRUMS_CLASS(TListItem, TPersistent)

 public:
  explicit TListItem(TListItems* AOwner);
  ~TListItem() override;

  TListItems* GetOwner() const { return FOwner; }
  TCustomListView* GetListView() const;
  int GetIndex() const;

  const std::string& GetCaption() const { return FCaption; }
  void SetCaption(const std::string& value);
  // The texts of columns 1, 2 ...
  TStrings* GetSubItems() const { return FSubItems.get(); }
  void SetSubItems(TStrings* value) { FSubItems->Assign(value); }
  void* GetData() const { return FData; }
  void SetData(void* value) { FData = value; }
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);
  // -1: none; 0..14 the list's overlay images 1..15.
  int GetOverlayIndex() const { return FOverlayIndex; }
  void SetOverlayIndex(int value);
  bool GetCut() const { return GetState(LVIS_CUT); }
  void SetCut(bool value) { SetState(LVIS_CUT, value); }
  bool GetDropTarget() const { return GetState(LVIS_DROPHILITED); }
  void SetDropTarget(bool value) { SetState(LVIS_DROPHILITED, value); }
  bool GetFocused() const { return GetState(LVIS_FOCUSED); }
  void SetFocused(bool value) { SetState(LVIS_FOCUSED, value); }
  bool GetSelected() const { return GetState(LVIS_SELECTED); }
  void SetSelected(bool value) { SetState(LVIS_SELECTED, value); }

  // The item's rectangle in client coordinates; empty without a window.
  TRect DisplayRect(TDisplayCode code) const;
  // Starts editing the caption in place; false when refused or without window.
  bool EditCaption();
  void CancelEdit();
  void MakeVisible(bool partialOK);
  void Update();
  // Removes the item (OnDeletion).
  void Delete();

 private:
  friend class TListItems;
  friend class TCustomListView;
  bool GetState(UINT bit) const;
  void SetState(UINT bit, bool value);
  HWND Window() const;
  void SubItemsChanged();

  TListItems* FOwner;
  std::string FCaption;
  std::unique_ptr<TStringList> FSubItems;
  void* FData = nullptr;
  int FImageIndex = -1;
  int FOverlayIndex = -1;
  // LVIS_ bits kept while there is no window.
  UINT FState = 0;
  // In the window (between its insertion and its removal).
  bool FInWindow = false;
};

class TListItems : public TPersistent {
  DRUMS_CLASS(TListItems, TPersistent)

 public:
  explicit TListItems(TCustomListView* AOwner);
  ~TListItems() override;

  TCustomListView* GetOwner() const { return FOwner; }
  int GetCount() const { return static_cast<int>(FItems.size()); }
  TListItem* GetItem(int index) const;
  int IndexOf(const TListItem* item) const;
  TListItem* Add() { return Insert(GetCount()); }
  TListItem* Insert(int index);
  void Delete(int index) { GetItem(index)->Delete(); }
  void Clear();
  void BeginUpdate();
  void EndUpdate();

 private:
  friend class TListItem;
  friend class TCustomListView;
  void InsertInWindow(TListItem* item, int index);
  void FreeItem(TListItem* item, bool notify);

  TCustomListView* FOwner;
  std::vector<TListItem*> FItems;
  int FUpdateCount = 0;
};

class TCustomListView : public TWinControl, protected vcl::comctrls::TViewNotifications<TCustomListView, TListItem> {
  DRUMS_CLASS(TCustomListView, TWinControl)
  DRUMS_MESSAGE_MAP(TCustomListView)

 public:
  explicit TCustomListView(TComponent* AOwner);
  ~TCustomListView() override;

  TListItems* GetItems() const { return FListItems.get(); }
  TListColumns* GetColumns() const { return FColumns.get(); }
  void SetColumns(TListColumns* value) { FColumns->Assign(value); }
  TIconOptions* GetIconOptions() const { return FIconOptions.get(); }
  void SetIconOptions(TIconOptions* value) { FIconOptions->Assign(value); }
  TViewStyle GetViewStyle() const { return FViewStyle; }
  virtual void SetViewStyle(TViewStyle value);
  int GetAllocBy() const { return FAllocBy; }
  void SetAllocBy(int value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  bool GetHideSelection() const { return FHideSelection; }
  void SetHideSelection(bool value);
  bool GetMultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool value);
  bool GetShowColumnHeaders() const { return FShowColumnHeaders; }
  void SetShowColumnHeaders(bool value);
  bool GetColumnClick() const { return FColumnClick; }
  void SetColumnClick(bool value);
  bool GetRowSelect() const { return FRowSelect; }
  void SetRowSelect(bool value);
  bool GetGridLines() const { return FGridLines; }
  void SetGridLines(bool value);
  TCustomImageList* GetLargeImages() const { return FLargeImages; }
  void SetLargeImages(TCustomImageList* value);
  TCustomImageList* GetSmallImages() const { return FSmallImages; }
  void SetSmallImages(TCustomImageList* value);
  TCustomImageList* GetStateImages() const { return FStateImages; }
  void SetStateImages(TCustomImageList* value);

  // The first selected item; setting selects it alone (null: none).
  TListItem* GetSelected() const;
  void SetSelected(TListItem* value);
  TListItem* GetItemFocused() const;
  void SetItemFocused(TListItem* value);
  int GetSelCount() const;
  TListItem* GetItemAt(int x, int y);
  TCanvas* GetCanvas() const { return FCanvas.get(); }
  bool IsEditing() const;

  // Sorts by OnCompare when set, else by caption.
  bool AlphaSort();
  bool CustomSort(const TLVCompare& compare, LPARAM data);

  TLVChangeEvent OnChange;
  TLVChangingEvent OnChanging;
  TLVSelectItemEvent OnSelectItem;
  TLVColumnClickEvent OnColumnClick;
  TLVEditingEvent OnEditing;
  TLVEditedEvent OnEdited;
  TLVCompareEvent OnCompare;
  TLVNotifyEvent OnDeletion;
  TLVNotifyEvent OnInsert;
  TLVNotifyEvent OnGetImageIndex;
  TLVCustomDrawEvent OnCustomDraw;
  TLVCustomDrawItemEvent OnCustomDrawItem;

  static void Publish(TPublisher<TCustomListView>& p);
  static void Messages(TMessageMap<TCustomListView>& m);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  // The window draws itself.
  void PaintWindow(HDC dc) override;
  void Notification(TComponent* component, TOperation operation) override;

  virtual bool CanChange(TListItem* item, TItemChange change);
  virtual void Change(TListItem* item, TItemChange change);
  virtual void DoSelectItem(TListItem* item, bool selected);
  virtual void ColClick(TListColumn* column);
  virtual bool CanEdit(TListItem* item);
  // The caption edit ended with a new text in item.pszText.
  virtual void Edit(const LVITEMA& item);
  virtual void Delete(TListItem* item);
  virtual void InsertItem(TListItem* item);
  virtual void GetImageIndex(TListItem* item);

 private:
  friend class TListItem;
  friend class TListItems;
  friend class TListColumn;
  friend class TListColumns;
  friend class TIconOptions;
  friend class vcl::comctrls::TViewNotifications<TCustomListView, TListItem>;
  void CNNotify(TMessage& m);
  void WMDestroy(TMessage& m);
  // The item a custom-draw record is about, or null.
  TListItem* DrawnItem(const NMCUSTOMDRAW& nmcd) const;
  void UpdateStyle();
  void UpdateExStyle();
  void UpdateColumns();
  void UpdateColumn(int index);
  // Takes the widths the window shows in report view into the columns.
  void KeepColumnWidths();
  void SetImageList(TCustomImageList*& slot, TCustomImageList* value, WPARAM which);
  void ImageListChange(TObject* sender);
  TListItem* ItemOf(LPARAM param) const { return reinterpret_cast<TListItem*>(param); }
  TLVCompare DefaultCompare();

  std::unique_ptr<TListItems> FListItems;
  std::unique_ptr<TListColumns> FColumns;
  std::unique_ptr<TIconOptions> FIconOptions;
  std::unique_ptr<TCanvas> FCanvas;
  std::unique_ptr<TChangeLink> FLargeChangeLink;
  std::unique_ptr<TChangeLink> FSmallChangeLink;
  std::unique_ptr<TChangeLink> FStateChangeLink;
  TCustomImageList* FLargeImages = nullptr;
  TCustomImageList* FSmallImages = nullptr;
  TCustomImageList* FStateImages = nullptr;
  TViewStyle FViewStyle = vsIcon;
  int FAllocBy = 0;
  bool FReadOnly = false;
  bool FHideSelection = true;
  bool FMultiSelect = false;
  bool FShowColumnHeaders = true;
  bool FColumnClick = true;
  bool FRowSelect = false;
  bool FGridLines = false;
  // While above 0 the window's notifications fire no events: the window is
  // being refilled from the items, or is going.
  int FQuiet = 0;
};

class TListView : public TCustomListView {
  DRUMS_CLASS(TListView, TCustomListView)

 public:
  explicit TListView(TComponent* AOwner) : TCustomListView(AOwner) {}
};
