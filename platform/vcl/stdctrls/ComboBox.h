// TComboBox: an edit or a fixed field with a list that drops down, on the
// window manager's "COMBOBOX" class; the owner-drawn styles draw their
// items through OnDrawItem and OnMeasureItem.
#pragma once

#include <memory>

#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/WinControl.h"
#include "platform/vcl/stdctrls/ItemStrings.h"
#include "platform/vcl/stdctrls/StdCtrlsTypes.h"

class TCustomComboBox : public TWinControl {
  DRUMS_CLASS(TCustomComboBox, TWinControl)
  DRUMS_MESSAGE_MAP(TCustomComboBox)

 public:
  explicit TCustomComboBox(TComponent* AOwner);
  ~TCustomComboBox() override;

  TStrings* GetItems() const { return FItems.get(); }
  void SetItems(TStrings* value) { FItems->Assign(value); }
  // -1: nothing chosen. Setting the index the box already has does nothing;
  // a choice made by code fires no OnChange.
  int GetItemIndex();
  void SetItemIndex(int value);
  TComboBoxStyle GetStyle() const { return FStyle; }
  void SetStyle(TComboBoxStyle value);
  bool GetSorted() const { return FSorted; }
  void SetSorted(bool value);
  // How many items the dropped list shows without scrolling.
  int GetDropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int value);
  bool GetDroppedDown();
  void SetDroppedDown(bool value);
  int GetItemHeight();
  void SetItemHeight(int value);
  int GetMaxLength() const { return FMaxLength; }
  void SetMaxLength(int value);
  TCanvas* GetCanvas() const { return FCanvas.get(); }
  void Clear();

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

  static void Publish(TPublisher<TCustomComboBox>& p);
  static void Messages(TMessageMap<TCustomComboBox>& m);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  virtual void Change();
  virtual void DropDown();
  virtual void CloseUp();
  virtual void DrawItem(int index, TRect rect, TOwnerDrawState state);
  virtual void MeasureItem(int index, int& height);
  bool OwnerDrawn() const { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }

 private:
  void CNCommand(TMessage& m);
  void CNDrawItem(TMessage& m);
  void CNMeasureItem(TMessage& m);
  void CNCtlColor(TMessage& m);
  void WMPaint(TMessage& m);
  void ApplyDropDownCount();

  std::unique_ptr<TControlItemStrings> FItems;
  std::unique_ptr<TControlCanvas> FCanvas;
  TComboBoxStyle FStyle = csDropDown;
  bool FSorted = false;
  int FDropDownCount = 8;
  int FItemHeight = 16;
  int FMaxLength = 0;
  int FItemIndex = -1;  // kept while the window is away
};

class TComboBox : public TCustomComboBox {
  DRUMS_CLASS(TComboBox, TCustomComboBox)

 public:
  using TCustomComboBox::TCustomComboBox;
};
