// TBmpImages: a collection of wallpapers that the bitmap controls pick by
// index and follow through a TBmpChangeLink.
#pragma once

#include <memory>
#include <vector>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Graphics.h"

class TBmpImages;

// Follows a TBmpImages: its OnChange fires whenever one of its bitmaps changes.
class TBmpChangeLink : public TObject {
  DRUMS_CLASS(TBmpChangeLink, TObject)

 public:
  TBmpChangeLink() = default;
  ~TBmpChangeLink() override;
  TBmpImages* GetSender() const { return FSender; }
  void SetSender(TBmpImages* value) { FSender = value; }
  void Change();
  TNotifyEvent OnChange;

 private:
  TBmpImages* FSender = nullptr;
};

// One wallpaper of a TBmpImages.
class TBitmapItem : public TCollectionItem {
  DRUMS_CLASS(TBitmapItem, TCollectionItem)

 public:
  explicit TBitmapItem(TCollection* Collection);
  ~TBitmapItem() override;
  TBitmap* GetBitmap() { return FBitmap.get(); }
  void SetBitmap(TBitmap* value) { FBitmap->Assign(value); }
  void Assign(TPersistent* source) override;
  static void Publish(TPublisher<TBitmapItem>& p);

 private:
  std::unique_ptr<TBitmap> FBitmap;
};

class TBitmaps : public TCollection {
  DRUMS_CLASS(TBitmaps, TCollection)

 public:
  explicit TBitmaps(TBmpImages* owner);
  TBitmapItem* GetItems(int index) const { return static_cast<TBitmapItem*>(GetItem(index)); }

 protected:
  void Update(TCollectionItem* item) override;

 private:
  TBmpImages* FImages;
};

// A collection of wallpapers that controls pick by index; the controls
// follow changes through their TBmpChangeLink.
class TBmpImages : public TComponent {
  DRUMS_CLASS(TBmpImages, TComponent)

 public:
  explicit TBmpImages(TComponent* AOwner);
  ~TBmpImages() override;
  TBitmaps* GetBitmaps() { return FBitmaps.get(); }
  void SetBitmaps(TBitmaps* value) { FBitmaps->Assign(value); }
  void RegisterChanges(TBmpChangeLink* link);
  void UnRegisterChanges(TBmpChangeLink* link);
  // Tells every registered link.
  void Change();
  static void Publish(TPublisher<TBmpImages>& p);

 private:
  std::unique_ptr<TBitmaps> FBitmaps;
  std::vector<TBmpChangeLink*> FLinks;
};

// The wallpaper a control paints: the collection's bitmap `id` when the
// collection has it and it is not empty, else the control's own when not
// empty, else none.
TBitmap* ChooseWallpaper(TBmpImages* images, int id, TBitmap* own);
// Moves a control's link from the collection in `slot` to `value` and asks
// for the control to hear of value's destruction.
void RelinkBmpImages(TBmpImages*& slot, TBmpImages* value, TBmpChangeLink* link, TComponent* control);
