#include "controls/styled/stycont/ContainerFiles.h"

#include <array>
#include <memory>

#include "controls/styled/stycont/GlobalContainer.h"
#include "controls/styled/stycont/StreamHelpers.h"
#include "platform/vcl/SysUtils.h"

namespace {

const std::array<std::string, 5> kMagics = {"STYIML30", "STYBML30", "STYWVL30", "STYSLL30", "STYRTL30"};
const std::array<const char*, 5> kExtensions = {"iml", "bmp", "wav", "txt", "rtf"};

[[noreturn]] void CannotOpen(const std::string& FileName, const std::string& Who) {
  throw Exception(Format("Cannot open file %s", {FileName}) + ": " + Who);
}

}  // namespace

const std::string& ContainerMagic(std::uint8_t ListType) {
  static const std::string none;
  return ListType < kMagics.size() ? kMagics[ListType] : none;
}

std::string GetListExtension(int ListType, bool WithDot) {
  if (ListType < 0 || ListType >= int(kExtensions.size())) return {};
  return (WithDot ? "." : "") + std::string(kExtensions[size_t(ListType)]);
}

int ReadContainerHeader(const std::string& FileName, std::int32_t& Count, std::vector<std::int32_t>* Offsets) {
  TFileStream file(FileName, fmOpenRead | fmShareCompat);
  std::string magic(9, '\0');
  file.ReadBuffer(magic.data(), 9);
  int type = kUnknownListType;
  for (size_t i = 0; i < kMagics.size(); ++i)
    if (magic[0] == 8 && magic.substr(1) == kMagics[i]) {
      type = int(i);
      break;
    }
  Count = ReadInt32(&file);
  if (type != kUnknownListType && Offsets) {
    Offsets->clear();
    CheckRemaining(&file, 4 * std::int64_t(Count));
    for (std::int32_t i = 0; i < Count; ++i) Offsets->push_back(ReadInt32(&file));
  }
  return type;
}

void ReadContainerItem(const std::string& FileName, int ExpectedType, const std::vector<std::int32_t>* Offsets,
                       TStyListItem* Item, int Index) {
  std::vector<std::int32_t> own;
  if (Offsets == nullptr) {
    std::int32_t count = 0;
    if (ReadContainerHeader(FileName, count, &own) != ExpectedType) CannotOpen(FileName, FileName);
    Offsets = &own;
  }
  if (Index < 0 || Index >= int(Offsets->size())) throw EReadError("Stream read error");
  TFileStream file(FileName, fmOpenRead | fmShareCompat);
  const std::int32_t offset = (*Offsets)[size_t(Index)];
  if (offset < 0 || offset >= file.GetSize()) throw EReadError("Stream read error");
  file.SetPosition(offset);
  Item->ReadData(&file);
}

void LoadBitmapFromContainerFile(const std::string& FileName, int Index, TBitmap* Bitmap) {
  TStyBitmapListItem item(nullptr);
  ReadContainerItem(FileName, kListBitmap, nullptr, &item, Index);
  Bitmap->Assign(item.GetBitmap());
}

bool IsGlobalList(TStyCustomImageList* List) {
  return List != nullptr && StyContainer != nullptr &&
         (List == StyContainer->GetBitmapList() || List == StyContainer->GetImageList());
}

void WriteGlobalListRef(TWriter* Writer, TStyCustomImageList* List) {
  if (!StyContainer) return;
  if (List == StyContainer->GetBitmapList())
    Writer->WriteString(kMagics[kListBitmap]);
  else if (List == StyContainer->GetImageList())
    Writer->WriteString(kMagics[kListImage]);
}

TStyCustomImageList* ReadGlobalListRef(TReader* Reader) {
  const std::string text = Reader->ReadString();
  if (!StyContainer) return nullptr;
  if (text == kMagics[kListBitmap]) return StyContainer->GetBitmapList();
  if (text == kMagics[kListImage]) return StyContainer->GetImageList();
  return nullptr;
}

void DefineGlobalListRef(TFiler* Filer, const std::string& Name, TStyCustomImageList* List,
                         const std::function<void(TStyCustomImageList*)>& Assign) {
  Filer->DefineProperty(
      Name, [Assign](TReader* reader) { Assign(ReadGlobalListRef(reader)); },
      [List](TWriter* writer) { WriteGlobalListRef(writer, List); }, IsGlobalList(List));
}
