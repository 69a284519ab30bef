// A control's image-list reference: the list its pictures come from, the
// item (ListIndex) and the image inside it (ImageIndex), kept current by a
// change link registered with the list. The graphic, windowed and
// non-visual base classes each hold one and give it their own
// ImageListChanged as the link's callback.
#pragma once

#include <functional>
#include <memory>

#include "controls/styled/stycont.h"
#include "platform/vcl/Classes.h"

class TStyImageListRef {
 public:
  // Owner asks the list for free notifications; Changed is called for every
  // change the reference reports (the owner's ImageListChanged).
  TStyImageListRef(TComponent* Owner, TNotifyEvent Changed);
  // Freeing the link takes it out of the list it is registered with.
  ~TStyImageListRef();
  TStyImageListRef(const TStyImageListRef&) = delete;
  TStyImageListRef& operator=(const TStyImageListRef&) = delete;

  TStyCustomImageList* GetImageList() const { return FImageList; }
  // Moves the link to the new list and reports a change, also when the same
  // list is set again.
  void SetImageList(TStyCustomImageList* value);
  // Index 0 is ImageIndex, 1 ListIndex. Negative or unchanged values are
  // ignored; a new value is reported only while a list is set.
  int GetIndex(int Index) const { return Index == 0 ? FImageIndex : FListIndex; }
  void SetIndex(int Index, int value);
  // No list, or the list has no such entry.
  bool ImageListEmpty() const;
  // The list going away leaves the reference empty.
  void Notification(TComponent* AComponent, TOperation Operation);

  // The published ImageList is stored only for a list of the owner's own
  // forms; a list of the global container streams as "Internal".
  bool IsImageListStored() const;
  void DefineProperties(TFiler* Filer);
  // The owner stops hearing of changes (its destructor runs).
  void Disconnect() { FLink->OnChange = nullptr; }
  TStyChangeLink* GetChangeLink() const { return FLink.get(); }

 private:
  TComponent* FOwner;
  TNotifyEvent FChanged;
  TStyCustomImageList* FImageList = nullptr;
  int FImageIndex = 0;
  int FListIndex = 0;
  std::unique_ptr<TStyChangeLink> FLink;
};

// The reference's accessors in a class that holds it in FImageListRef.
#define DRUMS_STY_IMAGE_LIST_ACCESSORS            \
  TStyCustomImageList* GetImageList() const {     \
    return FImageListRef.GetImageList();          \
  }                                               \
  void SetImageList(TStyCustomImageList* value) { \
    FImageListRef.SetImageList(value);            \
  }                                               \
  int GetImageIndex() const {                     \
    return FImageListRef.GetIndex(0);             \
  }                                               \
  void SetImageIndex(int value) {                 \
    FImageListRef.SetIndex(0, value);             \
  }                                               \
  int GetListIndex() const {                      \
    return FImageListRef.GetIndex(1);             \
  }                                               \
  void SetListIndex(int value) {                  \
    FImageListRef.SetIndex(1, value);             \
  }                                               \
  bool IsImageListStored() const {                \
    return FImageListRef.IsImageListStored();     \
  }                                               \
  bool ImageListEmpty() const {                   \
    return FImageListRef.ImageListEmpty();        \
  }

// The published ImageList, ImageIndex and ListIndex of a class that holds a
// reference in FImageListRef and has Get/SetImageList, Get/SetImageIndex and
// Get/SetListIndex.
template <class T>
void PublishImageListRef(TPublisher<T>& p) {
  p.Prop("ImageList", &T::GetImageList, &T::SetImageList).Stored(&T::IsImageListStored);
  p.Prop("ImageIndex", &T::GetImageIndex, &T::SetImageIndex).Default(0);
  p.Prop("ListIndex", &T::GetListIndex, &T::SetListIndex).Default(0);
}
