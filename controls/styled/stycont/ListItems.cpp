#include "controls/styled/stycont/ListItems.h"

#include "controls/styled/stycont/ContainerFiles.h"
#include "controls/styled/stycont/Payloads.h"
#include "controls/styled/stycont/StreamHelpers.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

std::uint8_t PixelFormatFlags(TStySavePixelFormat Format) {
  switch (Format) {
    case spfMono: return kItemMono;
    case spf4bit: return kItem16Colors;
    case spf8bit: return kItem256Colors;
    default: return 0;
  }
}

TStySavePixelFormat PixelFormatFromFlags(std::uint8_t Flags) {
  if (Flags & kItemMono) return spfMono;
  if (Flags & kItem16Colors) return spf4bit;
  if (Flags & kItem256Colors) return spf8bit;
  return spfDefault;
}

int PixelFormatColors(TStySavePixelFormat Format) {
  switch (Format) {
    case spfMono: return 2;
    case spf4bit: return 16;
    case spf8bit: return 256;
    default: return -1;
  }
}

std::uint8_t TStyListItem::GetFlags() {
  std::uint8_t flags = 0;
  if (!FDescription.empty()) flags |= kItemDescription;
  if (FCompressed) flags |= kItemCompressed;
  if (FIdent != 0) flags |= kItemIdent;
  return flags;
}

std::uint8_t TStyListItem::ReadHeader(TStream* Stream) {
  const std::uint8_t flags = ReadByte(Stream);
  FCompressed = flags & kItemCompressed;
  FDescription = (flags & kItemDescription) ? ReadShortText(Stream) : std::string();
  FIdent = (flags & kItemIdent) ? static_cast<std::uint16_t>(ReadInt32(Stream)) : 0;
  return flags;
}

void TStyListItem::WriteHeader(TStream* Stream) {
  const std::uint8_t flags = GetFlags();
  WriteByte(Stream, flags);
  if (flags & kItemDescription) WriteShortText(Stream, FDescription);
  if (flags & kItemIdent) WriteInt32(Stream, FIdent);
}

void TStyListItem::CopyHeader(TStyListItem* Source) {
  FCompressed = Source->FCompressed;
  FDescription = Source->FDescription;
  FIdent = Source->FIdent;
}

TStyCustomContainer* TStyListItem::GetContainer() const {
  return dynamic_cast<TStyCustomContainer*>(const_cast<TStyListItem*>(this)->GetOwner());
}

void TStyListItem::Change() {
  inherited::Change();
  if (TStyCustomContainer* container = GetContainer())
    if (container->OnChange) container->OnChange(this);
}

TComponent* TStyListItem::GetParentComponent() {
  return GetContainer();
}

void TStyListItem::SetParentComponent(TComponent* value) {
  if (auto* container = dynamic_cast<TStyCustomContainer*>(value)) container->AddItem(this);
}

void TStyListItem::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "Internal", [this](TStream* s) { ReadData(s); }, [this](TStream* s) { WriteData(s); }, true);
}

// Bitmap items.

TStyBitmapListItem::TStyBitmapListItem(TComponent* AOwner)
    : TStyListItem(AOwner), FBitmap(std::make_unique<TBitmap>()) {}

TStyBitmapListItem::~TStyBitmapListItem() = default;

void TStyBitmapListItem::Publish(TPublisher<TStyBitmapListItem>& p) {
  p.Prop("Bitmap", &TStyBitmapListItem::GetBitmap, &TStyBitmapListItem::SetBitmap).Stored(false);
  p.Prop("Ident", &TStyBitmapListItem::GetIdent, &TStyBitmapListItem::SetIdent).Stored(false);
  p.Prop("Description", &TStyBitmapListItem::GetDescription, &TStyBitmapListItem::SetDescription).Stored(false);
}

TBitmap* TStyBitmapListItem::GetBitmap() {
  const TComponentState state = GetComponentState();
  TStyCustomContainer* container = GetContainer();
  if (FBitmap->Empty() && !state.Contains(csLoading) && !state.Contains(csDesigning) && container &&
      container->GetSourceKind() != 0) {
    BeginUpdate();
    try {
      LoadFromSource();
    } catch (...) {
      EndUpdate(false);
      throw;
    }
    EndUpdate(false);
  }
  return FBitmap.get();
}

void TStyBitmapListItem::LoadFromSource() {
  TStyCustomContainer* container = GetContainer();
  const std::string& fileName = container->GetFileName();
  switch (container->GetSourceKind()) {
    case 1:
      LoadBitmapFromContainerFile(GetPrefixDirectory(container->GetPrefix(), true) + fileName, GetIdent(),
                                  FBitmap.get());
      break;
    case 2: FBitmap->LoadFromResourceID(GetModuleHandleA(nullptr), GetIdent()); break;
    case 3:
      // A module file: loaded and let go; no picture is taken from it.
      if (HMODULE module = LoadLibraryA((GetPrefixDirectory(container->GetPrefix(), true) + fileName).c_str()))
        FreeLibrary(module);
      break;
    case 4: {
      const std::string dir = container->GetPrefix() == ppFixed ? AddBackslash(ExtractFilePath(fileName))
                                                                : GetPrefixDirectory(container->GetPrefix(), true);
      FBitmap->LoadFromFile(dir + ExtractFileName(fileName).substr(0, 3) + std::to_string(GetIdent()) + ".bmp");
      break;
    }
    default: break;
  }
}

void TStyBitmapListItem::SetBitmap(TBitmap* Value) {
  FBitmap->Assign(Value);
}

void TStyBitmapListItem::Clear() {
  FBitmap = std::make_unique<TBitmap>();
}

bool TStyBitmapListItem::IsEmpty() {
  return FBitmap->Empty();
}

std::uint8_t TStyBitmapListItem::GetFlags() {
  std::uint8_t flags = inherited::GetFlags() | PixelFormatFlags(FPixelFormat);
  if (!FBitmap->Empty()) flags |= kItemPayload;
  return flags;
}

void TStyBitmapListItem::ReadData(TStream* Stream) {
  const std::uint8_t flags = ReadHeader(Stream);
  FPixelFormat = PixelFormatFromFlags(flags);
  if (flags & kItemPayload) {
    ReadBitmapPayload(Stream, FBitmap.get(), GetCompressed());
  } else {
    Clear();
  }
}

void TStyBitmapListItem::WriteData(TStream* Stream) {
  WriteHeader(Stream);
  if (!FBitmap->Empty()) WriteBitmapPayload(Stream, FBitmap.get(), GetCompressed(), PixelFormatColors(FPixelFormat));
}

void TStyBitmapListItem::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TStyBitmapListItem*>(Source);
  if (other == nullptr) {
    inherited::Assign(Source);
    return;
  }
  CopyHeader(other);
  FBitmap->Assign(other->GetBitmap());
  FPixelFormat = other->FPixelFormat;
}

// String items.

TStyStringListItem::TStyStringListItem(TComponent* AOwner)
    : TStyListItem(AOwner), FItems(std::make_unique<TStringList>()) {}

TStyStringListItem::~TStyStringListItem() = default;

void TStyStringListItem::Publish(TPublisher<TStyStringListItem>& p) {
  p.Prop("Items", &TStyStringListItem::GetItems, &TStyStringListItem::SetItems).Stored(false);
  p.Prop("Description", &TStyStringListItem::GetDescription, &TStyStringListItem::SetDescription);
  p.Prop("Ident", &TStyStringListItem::GetIdent, &TStyStringListItem::SetIdent).Default(0);
}

void TStyStringListItem::SetItems(TStrings* Value) {
  FItems->Assign(Value);
}

void TStyStringListItem::Clear() {
  FItems->Clear();
}

bool TStyStringListItem::IsEmpty() {
  return FItems->GetCount() == 0;
}

std::uint8_t TStyStringListItem::GetFlags() {
  return inherited::GetFlags() | (IsEmpty() ? 0 : kItemPayload);
}

void TStyStringListItem::ReadData(TStream* Stream) {
  const std::uint8_t flags = ReadHeader(Stream);
  if (flags & kItemPayload)
    ReadStringsPayload(Stream, FItems.get(), GetCompressed());
  else
    FItems->Clear();
}

void TStyStringListItem::WriteData(TStream* Stream) {
  WriteHeader(Stream);
  if (!IsEmpty()) WriteStringsPayload(Stream, FItems.get(), GetCompressed());
}

void TStyStringListItem::Assign(TPersistent* Source) {
  if (auto* other = dynamic_cast<TStyStringListItem*>(Source)) {
    CopyHeader(other);
    FItems->Assign(other->FItems.get());
  } else if (auto* strings = dynamic_cast<TStrings*>(Source)) {
    FItems->Assign(strings);
  } else {
    inherited::Assign(Source);
  }
}

// Wave items.

TStyWaveListItem::TStyWaveListItem(TComponent* AOwner) : TStyListItem(AOwner), FWave(std::make_unique<TStyWave>()) {}

TStyWaveListItem::~TStyWaveListItem() = default;

void TStyWaveListItem::Publish(TPublisher<TStyWaveListItem>& p) {
  p.Prop("Wave", &TStyWaveListItem::GetWave, &TStyWaveListItem::SetWave).Stored(false);
  p.Prop("Description", &TStyWaveListItem::GetDescription, &TStyWaveListItem::SetDescription);
  p.Prop("Ident", &TStyWaveListItem::GetIdent, &TStyWaveListItem::SetIdent).Default(0);
}

void TStyWaveListItem::SetWave(TStyWave* Value) {
  FWave->Assign(Value);
}

void TStyWaveListItem::Clear() {
  FWave->Clear();
}

bool TStyWaveListItem::IsEmpty() {
  return FWave->IsEmpty();
}

std::uint8_t TStyWaveListItem::GetFlags() {
  return inherited::GetFlags() | (IsEmpty() ? 0 : kItemPayload);
}

void TStyWaveListItem::ReadData(TStream* Stream) {
  const std::uint8_t flags = ReadHeader(Stream);
  if (flags & kItemPayload)
    ReadWavePayload(Stream, FWave.get(), GetCompressed());
  else
    FWave->Clear();
}

void TStyWaveListItem::WriteData(TStream* Stream) {
  WriteHeader(Stream);
  if (!IsEmpty()) WriteWavePayload(Stream, FWave.get(), GetCompressed());
}

void TStyWaveListItem::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TStyWaveListItem*>(Source);
  if (other == nullptr) {
    inherited::Assign(Source);
    return;
  }
  CopyHeader(other);
  FWave->Assign(other->FWave.get());
}
