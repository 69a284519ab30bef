#include "controls/styled/stycont/Containers.h"

#include <algorithm>

#include "controls/styled/stycont/ContainerFiles.h"
#include "controls/styled/stycont/ListItems.h"
#include "controls/styled/stycont/StreamHelpers.h"
#include "platform/vcl/SysUtils.h"

TStyChangeLink::~TStyChangeLink() {
  if (FSender) FSender->UnRegisterChanges(this);
}

void TStyChangeLink::Change() {
  if (OnChange) OnChange(FSender);
}

TStyBaseContainer::~TStyBaseContainer() {
  while (!FLinks.empty()) UnRegisterChanges(FLinks.back());
}

void TStyBaseContainer::RegisterChanges(TStyChangeLink* Link) {
  Link->SetSender(this);
  FLinks.push_back(Link);
}

void TStyBaseContainer::UnRegisterChanges(TStyChangeLink* Link) {
  auto it = std::find(FLinks.begin(), FLinks.end(), Link);
  if (it == FLinks.end()) return;
  Link->SetSender(nullptr);
  FLinks.erase(it);
}

void TStyBaseContainer::Change() {
  // A link may leave while it is told; the ones that remain are still told.
  const std::vector<TStyChangeLink*> links = FLinks;
  for (TStyChangeLink* link : links)
    if (std::find(FLinks.begin(), FLinks.end(), link) != FLinks.end()) link->Change();
  inherited::Change();
}

TStyCustomContainer::~TStyCustomContainer() {
  DeleteItems();
}

TStyListItem* TStyCustomContainer::GetItems(int Index) const {
  if (Index < 0 || Index >= GetCount()) throw EListError("List index out of bounds (%d)", {Index});
  return FItems[static_cast<size_t>(Index)];
}

int TStyCustomContainer::AddItem(TStyListItem* Item) {
  if (Item == nullptr) {
    Item = dynamic_cast<TStyListItem*>(FItemClass->Create(this));
    if (Item == nullptr) throw EInvalidOperation("Cannot create an item of %s", {ClassName()});
  } else {
    // The list's operations rely on the class of its items.
    if (!Item->ClassType()->InheritsFrom(FItemClass))
      throw EInvalidOperation("Cannot add a %s to a %s", {Item->ClassName(), ClassName()});
    auto known = std::find(FItems.begin(), FItems.end(), Item);
    if (known != FItems.end()) return static_cast<int>(known - FItems.begin());
    if (Item->GetOwner() != this) {
      if (Item->GetOwner()) Item->GetOwner()->RemoveComponent(Item);
      InsertComponent(Item);
    }
  }
  FItems.push_back(Item);
  Change();
  return GetCount() - 1;
}

void TStyCustomContainer::DeleteItems() {
  const std::vector<TStyListItem*> items = std::move(FItems);
  FItems.clear();
  for (auto it = items.rbegin(); it != items.rend(); ++it) delete *it;
}

void TStyCustomContainer::ClearItems() {
  DeleteItems();
  Change();
}

void TStyCustomContainer::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove) {
    auto it = std::find(FItems.begin(), FItems.end(), AComponent);
    if (it != FItems.end()) FItems.erase(it);
  }
}

void TStyCustomContainer::AppendItemsFrom(TStyCustomContainer* Source) {
  const std::vector<TStyListItem*> sources = Source->FItems;
  for (TStyListItem* source : sources) {
    auto* item = dynamic_cast<TStyListItem*>(FItemClass->Create(this));
    FItems.push_back(item);
    item->Assign(source);
  }
  Change();
}

void TStyCustomContainer::AssignSettings(TStyCustomContainer* Source) {
  FDefaultCompressed = Source->FDefaultCompressed;
}

void TStyCustomContainer::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TStyCustomContainer*>(Source);
  if (other == nullptr || !other->ClassType()->InheritsFrom(ClassType())) {
    inherited::Assign(Source);
    return;
  }
  if (other == this) return;
  BeginUpdate();
  try {
    ClearItems();
    AssignSettings(other);
    AppendItemsFrom(other);
  } catch (...) {
    EndUpdate(true);
    throw;
  }
  EndUpdate(true);
}

void TStyCustomContainer::GetChildren(const TGetChildProc& Proc, TComponent*) {
  const std::vector<TStyListItem*> items = FItems;
  for (TStyListItem* item : items) Proc(item);
}

void TStyCustomContainer::SaveToStream(TStream* Stream, bool WithOffsets) {
  const auto n = static_cast<std::int32_t>(FItems.size());
  WriteInt32(Stream, n);
  if (!WithOffsets || n <= 0) {
    if (!WithOffsets)
      for (TStyListItem* item : FItems) item->WriteData(Stream);
    return;
  }
  const std::int64_t table = Stream->GetPosition();
  Stream->SetPosition(table + 4 * std::int64_t(n));
  std::vector<std::int32_t> offsets;
  for (TStyListItem* item : FItems) {
    offsets.push_back(static_cast<std::int32_t>(Stream->GetPosition()));
    item->WriteData(Stream);
  }
  const std::int64_t end = Stream->GetPosition();
  Stream->SetPosition(table);
  for (std::int32_t offset : offsets) WriteInt32(Stream, offset);
  Stream->SetPosition(end);
}

void TStyCustomContainer::LoadFromStream(TStream* Stream, bool SkipOffsets) {
  BeginUpdate();
  try {
    ClearItems();
    const std::int32_t n = ReadInt32(Stream);
    // Every record takes at least its flags byte, every offset four bytes.
    CheckRemaining(Stream, n);
    if (SkipOffsets && n > 0) {
      CheckRemaining(Stream, 5 * std::int64_t(n));
      Stream->Seek(4 * std::int64_t(n), soCurrent);
    }
    for (std::int32_t i = 0; i < n; ++i) {
      TStyListItem* item = GetItems(AddItem(nullptr));
      try {
        item->ReadData(Stream);
      } catch (...) {
        // A record read half is dropped; the ones before it stay.
        delete item;
        throw;
      }
    }
  } catch (...) {
    EndUpdate(true);
    throw;
  }
  EndUpdate(true);
}

void TStyCustomContainer::LoadFromFile(const std::string& FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyRead);
  std::string magic(9, '\0');
  const int got = file.Read(magic.data(), 9);
  if (got != 9 || magic[0] != 8 || magic.substr(1) != ContainerMagic(FListType))
    throw Exception(Format("Cannot open file %s", {FileName}) + ": " + ClassName());
  LoadFromStream(&file, true);
}

void TStyCustomContainer::SaveToFile(const std::string& FileName) {
  TFileStream file(FileName, fmCreate);
  WriteByte(&file, 8);
  const std::string& magic = ContainerMagic(FListType);
  file.WriteBuffer(magic.data(), static_cast<int>(magic.size()));
  SaveToStream(&file, true);
}

void TStyCustomImageList::Publish(TPublisher<TStyCustomImageList>& p) {
  p.Prop("DefaultCompressed", &TStyCustomImageList::GetDefaultCompressed, &TStyCustomImageList::SetDefaultCompressed)
      .Default(false);
  p.Prop("DefaultPixelFormat", &TStyCustomImageList::GetDefaultPixelFormat, &TStyCustomImageList::SetDefaultPixelFormat)
      .Default(spfDefault);
}

void TStyCustomImageList::AssignSettings(TStyCustomContainer* Source) {
  inherited::AssignSettings(Source);
  FDefaultPixelFormat = static_cast<TStyCustomImageList*>(Source)->FDefaultPixelFormat;
}
