// The owner-drawn drop-down the "Look in" box is built on: entries drawn as
// an image (with an optional overlay) and a caption, indented by a level.
#pragma once

#include <string>

#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/StdCtrls.h"

class TNavCustomImageCombo;

// A combo box that tells about its list closing and about the end of a
// selection, and hands each entry's data to DeleteItemData when it goes.
class TNavCustomCombobox : public TCustomComboBox {
  DRUMS_CLASS(TNavCustomCombobox, TCustomComboBox)
  DRUMS_MESSAGE_MAP(TNavCustomCombobox)

 public:
  explicit TNavCustomCombobox(TComponent* AOwner) : TCustomComboBox(AOwner) {}

  // Only owner-drawn boxes take a new item height.
  void SetItemHeight(int value);

  TNotifyEvent OnCloseUp;
  TNotifyEvent OnSelEndCancel;
  TNotifyEvent OnSelEndOk;

  static void Messages(TMessageMap<TNavCustomCombobox>& m);

 protected:
  virtual void DeleteItemData(void*) {}
  void CloseUp() override;
  virtual void SelEndCancel();
  virtual void SelEndOk();
  void DestroyWnd() override;

 private:
  void CNCommand(TMessage& m);
  void DeleteItem(TMessage& m);

  // While the window is made again the entries keep their data.
  bool FKeepItemData = false;

 protected:
  // Inside WM_SETFONT.
  bool FInSetFont = false;
};

// One entry of the image combo.
class TNavImageComboItem : public TObject {
  DRUMS_CLASS(TNavImageComboItem, TObject)

 public:
  TNavImageComboItem(TNavCustomImageCombo* owner, const std::string& caption, int imageIndex, int indent)
      : FOwner(owner), FIndent(indent), FImageIndex(imageIndex), FCaption(caption) {}

  TNavCustomImageCombo* GetOwner() const { return FOwner; }
  // The position the entry was added at.
  int GetListIndex() const { return FListIndex; }
  int GetIndent() const { return FIndent; }
  void SetIndent(int value) { FIndent = value; }
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);
  // -1: none.
  int GetOverlayIndex() const { return FOverlayIndex; }
  void SetOverlayIndex(int value);
  const std::string& GetCaption() const { return FCaption; }
  void SetCaption(const std::string& value);
  // Owned by whoever put it here.
  TObject* GetData() const { return FData; }
  void SetData(TObject* value) { FData = value; }

 private:
  friend class TNavCustomImageCombo;
  void Changed();

  TNavCustomImageCombo* FOwner;
  int FListIndex = -1;
  int FIndent;
  int FImageIndex;
  int FOverlayIndex = -1;
  std::string FCaption;
  TObject* FData = nullptr;
};

using TNavDeleteImageComboItemEvent = TEvent<void(TObject* Sender, TNavImageComboItem* Item)>;

class TNavCustomImageCombo : public TNavCustomCombobox {
  DRUMS_CLASS(TNavCustomImageCombo, TNavCustomCombobox)
  DRUMS_MESSAGE_MAP(TNavCustomImageCombo)

 public:
  explicit TNavCustomImageCombo(TComponent* AOwner);
  ~TNavCustomImageCombo() override;

  // The entry at index (null when the entry carries none).
  TNavImageComboItem* Item(int index) const;
  virtual TNavImageComboItem* AddItem(const std::string& caption, int imageIndex, int indent);

  TCustomImageList* GetImages() const { return FImages; }
  void SetImages(TCustomImageList* value);
  int GetIndentPixels() const { return FIndentPixels; }
  void SetIndentPixels(int value);

  TNavDeleteImageComboItemEvent OnDeleteItem;

  static void Messages(TMessageMap<TNavCustomImageCombo>& m);

 protected:
  // Asked before an entry is drawn: a subclass may fill a missing caption or image.
  virtual void GetItemInfo(TNavImageComboItem*) {}
  void DeleteItemData(void* data) override;
  virtual void FontChanged(HFONT font);
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* component, TOperation operation) override;
  void DrawItem(int index, TRect rect, TOwnerDrawState state) override;
  // Removes every entry, each reported by OnDeleteItem and freed (through
  // DeleteItemData, so a subclass calls it while it still answers that).
  void ClearEntries();

 private:
  void WMSetFont(TMessage& m);
  void WMEraseBkgnd(TMessage& m);
  void CNDrawItem(TMessage& m);

  TCustomImageList* FImages = nullptr;
  int FIndentPixels = 12;
  bool FAutoItemHeight = true;
};
