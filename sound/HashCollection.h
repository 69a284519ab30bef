// Collections of named items.
#pragma once

#include <string>

#include "platform/vcl/Classes.h"

class THashCollectionItem : public TCollectionItem {
  DRUMS_CLASS(THashCollectionItem, TCollectionItem)

 public:
  using TCollectionItem::TCollectionItem;

  const std::string& GetName() const { return FName; }
  virtual void SetName(const std::string& value) { FName = value; }
  std::string GetDisplayName() override;
  void Assign(TPersistent* source) override;

 private:
  static void Publish(TPublisher<THashCollectionItem>& p) {
    p.Prop("Name", &THashCollectionItem::GetNameValue, &THashCollectionItem::SetName);
  }
  std::string GetNameValue() const { return FName; }
  std::string FName;
};

class THashCollection : public TCollection {
  DRUMS_CLASS(THashCollection, TCollection)

 public:
  using TCollection::TCollection;
};
