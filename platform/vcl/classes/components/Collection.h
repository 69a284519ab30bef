// TCollection and TCollectionItem: an owned, ordered list of items of one
// class, streamed inside their owner's properties as a collection value.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/vcl/classes/components/Persistent.h"

class TCollection;
using TCollectionItemClass = TClass;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
  DRUMS_CLASS(TCollectionItem, TPersistent)

 public:
  explicit TCollectionItem(TCollection* Collection);
  ~TCollectionItem() override;

  TCollection* GetCollection() const { return FCollection; }
  // Moves the item from its collection into another (or none).
  virtual void SetCollection(TCollection* value);
  int GetIndex() const;
  // Moves the item to that position of its collection.
  virtual void SetIndex(int value);
  int GetID() const { return FID; }
  // The class name unless a descendant knows better.
  virtual std::string GetDisplayName();
  virtual void SetDisplayName(const std::string& value);
  std::string GetNamePath() override;
  TPersistent* GetOwner() override;

 protected:
  // Tells the collection that this item (or, with allItems, every item) changed.
  void Changed(bool allItems);

 private:
  TCollection* FCollection = nullptr;
  int FID = 0;
  friend class TCollection;
};

class TCollection : public TPersistent {
  DRUMS_CLASS(TCollection, TPersistent)

 public:
  // Items are built from itemClass, which must descend from TCollectionItem;
  // owner is what GetOwner reports (the component holding the collection).
  explicit TCollection(TClass itemClass, TPersistent* owner = nullptr);
  ~TCollection() override;

  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  int GetCount() const { return static_cast<int>(FItems.size()); }
  // Raises EListError "List index out of bounds (%d)" for a bad index.
  TCollectionItem* GetItem(int index) const;
  void SetItem(int index, TCollectionItem* value);
  TCollectionItem* FindItemID(int id) const;
  TClass GetItemClass() const { return FItemClass; }

  void BeginUpdate();
  void EndUpdate();
  int GetUpdateCount() const { return FUpdateCount; }

  void Assign(TPersistent* source) override;
  TPersistent* GetOwner() override { return FOwner; }
  std::string GetNamePath() override;

 protected:
  // Called after every change outside an update bracket; item is the changed
  // item, or null when the whole collection changed.
  virtual void Update(TCollectionItem* item);
  virtual void Notify(TCollectionItem* item, TCollectionNotification action);
  void Changed();

 private:
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);
  // The item's place by a search from the front (counted, see below); -1 when absent.
  int IndexOfItem(const TCollectionItem* item) const;

  TClass FItemClass;
  TPersistent* FOwner;
  std::vector<TCollectionItem*> FItems;
  int FUpdateCount = 0;
  int FNextID = 0;
  friend class TCollectionItem;
};

namespace vcl::detail {

// How many item searches (an item's place looked up in its collection) the
// process has made: a work count for tests, as a search costs up to the
// collection's length.
std::uint64_t CollectionItemSearches();

}  // namespace vcl::detail
