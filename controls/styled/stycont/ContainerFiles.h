// Container files (a magic naming the list type, the item count, the
// records' offsets and the records), reading single items from them, and the
// form property by which a control names a list of the global container.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/styled/stycont/ListItems.h"

// "STYIML30", "STYBML30", "STYWVL30", "STYSLL30", "STYRTL30" by list type;
// in a file each follows its length byte 8.
const std::string& ContainerMagic(std::uint8_t ListType);
constexpr std::uint8_t kUnknownListType = 5;
// "iml", "bmp", "wav", "txt", "rtf" for list types 0..4, empty otherwise.
std::string GetListExtension(int ListType, bool WithDot);

// The list type of the file's magic (5 when it matches none) and its count;
// for a known type the offsets fill Offsets when given. A count or offset
// table that cannot fit in the file raises EReadError.
int ReadContainerHeader(const std::string& FileName, std::int32_t& Count, std::vector<std::int32_t>* Offsets);
// Item Index of the file into Item. Another list type raises Exception
// "Cannot open file <name>: <name>"; an index or offset outside the file
// raises EReadError.
void ReadContainerItem(const std::string& FileName, int ExpectedType, const std::vector<std::int32_t>* Offsets,
                       TStyListItem* Item, int Index);
void LoadBitmapFromContainerFile(const std::string& FileName, int Index, TBitmap* Bitmap);

// Whether List is the global container's bitmap or image list.
bool IsGlobalList(TStyCustomImageList* List);
// "STYBML30" for the global bitmap list, "STYIML30" for its image list.
void WriteGlobalListRef(TWriter* Writer, TStyCustomImageList* List);
// The global list a read reference names, or null.
TStyCustomImageList* ReadGlobalListRef(TReader* Reader);
// The controls' "Internal" property: written only for a list of the global
// container; reading it hands the list to Assign.
void DefineGlobalListRef(TFiler* Filer, const std::string& Name, TStyCustomImageList* List,
                         const std::function<void(TStyCustomImageList*)>& Assign);
