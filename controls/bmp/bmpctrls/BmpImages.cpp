#include "controls/bmp/bmpctrls/BmpImages.h"

#include <algorithm>

TBmpChangeLink::~TBmpChangeLink() {
  if (FSender) FSender->UnRegisterChanges(this);
}

void TBmpChangeLink::Change() {
  if (OnChange) OnChange(this);
}

TBitmapItem::TBitmapItem(TCollection* Collection) : TCollectionItem(Collection), FBitmap(std::make_unique<TBitmap>()) {
  FBitmap->OnChange = [this](TObject*) { Changed(false); };
}

TBitmapItem::~TBitmapItem() {
  FBitmap->OnChange = nullptr;
}

void TBitmapItem::Assign(TPersistent* source) {
  if (auto* other = dynamic_cast<TBitmapItem*>(source)) {
    SetBitmap(other->GetBitmap());
    return;
  }
  TCollectionItem::Assign(source);
}

void TBitmapItem::Publish(TPublisher<TBitmapItem>& p) {
  p.Prop("Bitmap", &TBitmapItem::GetBitmap, &TBitmapItem::SetBitmap);
}

TBitmaps::TBitmaps(TBmpImages* owner) : TCollection(TBitmapItem::StaticClass(), owner), FImages(owner) {}

void TBitmaps::Update(TCollectionItem* item) {
  TCollection::Update(item);
  FImages->Change();
}

TBmpImages::TBmpImages(TComponent* AOwner) : TComponent(AOwner), FBitmaps(std::make_unique<TBitmaps>(this)) {}

TBmpImages::~TBmpImages() {
  // Newest first, so each link's owner sees the collection go.
  while (!FLinks.empty()) UnRegisterChanges(FLinks.back());
  FBitmaps.reset();
}

void TBmpImages::Publish(TPublisher<TBmpImages>& p) {
  p.Prop("Bitmaps", &TBmpImages::GetBitmaps, &TBmpImages::SetBitmaps);
}

void TBmpImages::RegisterChanges(TBmpChangeLink* link) {
  link->SetSender(this);
  FLinks.push_back(link);
}

void TBmpImages::UnRegisterChanges(TBmpChangeLink* link) {
  auto it = std::find(FLinks.begin(), FLinks.end(), link);
  if (it == FLinks.end()) return;
  link->SetSender(nullptr);
  FLinks.erase(it);
}

void TBmpImages::Change() {
  if (!FBitmaps) return;
  for (TBmpChangeLink* link : std::vector<TBmpChangeLink*>(FLinks)) link->Change();
}

TBitmap* ChooseWallpaper(TBmpImages* images, int id, TBitmap* own) {
  if (images && id >= 0 && id < images->GetBitmaps()->GetCount()) {
    TBitmap* shared = images->GetBitmaps()->GetItems(id)->GetBitmap();
    if (!shared->Empty()) return shared;
  }
  return own && !own->Empty() ? own : nullptr;
}

void RelinkBmpImages(TBmpImages*& slot, TBmpImages* value, TBmpChangeLink* link, TComponent* control) {
  if (slot) slot->UnRegisterChanges(link);
  slot = value;
  if (!slot) return;
  slot->RegisterChanges(link);
  slot->FreeNotification(control);
}
