#include "sound/HashCollection.h"

std::string THashCollectionItem::GetDisplayName() {
  return FName.empty() ? TCollectionItem::GetDisplayName() : FName;
}

void THashCollectionItem::Assign(TPersistent* source) {
  if (auto* other = dynamic_cast<THashCollectionItem*>(source)) {
    FName = other->FName;
    return;
  }
  TCollectionItem::Assign(source);
}
