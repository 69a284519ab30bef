// TListBox: a list of strings on the window manager's "LISTBOX" class, with
// single or multiple selection and owner drawing (OnDrawItem, OnMeasureItem).
#pragma once

#include <memory>

#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/WinControl.h"
#include "platform/vcl/stdctrls/ItemStrings.h"
#include "platform/vcl/stdctrls/StdCtrlsTypes.h"

class TCustomListBox : public TWinControl {
  DRUMS_CLASS(TCustomListBox, TWinControl)
  DRUMS_MESSAGE_MAP(TCustomListBox)

 public:
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;

  TStrings* GetItems() const { return FItems.get(); }
  void SetItems(TStrings* value) { FItems->Assign(value); }
  // -1: nothing selected. Setting the index the list already has does nothing.
  int GetItemIndex();
  void SetItemIndex(int value);
  int GetTopIndex();
  void SetTopIndex(int value);
  int GetSelCount();
  bool GetSelected(int index);
  void SetSelected(int index, bool value);
  bool GetMultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool value);
  bool GetExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool value);
  bool GetSorted() const { return FSorted; }
  void SetSorted(bool value);
  TListBoxStyle GetStyle() const { return FStyle; }
  void SetStyle(TListBoxStyle value);
  // The height of a line of the owner-drawn styles (a fixed list's every
  // line; a variable one's default before OnMeasureItem).
  int GetItemHeight();
  void SetItemHeight(int value);
  bool GetIntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool value);
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  // Where owner drawing draws: valid while OnDrawItem runs.
  TCanvas* GetCanvas() const { return FCanvas.get(); }
  TRect ItemRect(int index);
  int ItemAtPos(TPoint pos, bool existing);
  void Clear() { FItems->Clear(); }

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

  static void Publish(TPublisher<TCustomListBox>& p);
  static void Messages(TMessageMap<TCustomListBox>& m);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  virtual void DrawItem(int index, TRect rect, TOwnerDrawState state);
  virtual void MeasureItem(int index, int& height);

 private:
  void CNCommand(TMessage& m);
  void CNDrawItem(TMessage& m);
  void CNMeasureItem(TMessage& m);
  void CNCtlColor(TMessage& m);
  void WMPaint(TMessage& m);

  std::unique_ptr<TControlItemStrings> FItems;
  std::unique_ptr<TControlCanvas> FCanvas;
  TListBoxStyle FStyle = lbStandard;
  TBorderStyle FBorderStyle = bsSingle;
  int FItemHeight = 16;
  int FItemIndex = -1;  // kept while the window is away
  int FTopIndex = 0;
  bool FMultiSelect = false;
  bool FExtendedSelect = true;
  bool FSorted = false;
  bool FIntegralHeight = false;
  std::vector<int> FSavedSelection;
};

class TListBox : public TCustomListBox {
  DRUMS_CLASS(TListBox, TCustomListBox)

 public:
  using TCustomListBox::TCustomListBox;
};
