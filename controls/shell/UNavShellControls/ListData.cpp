#include "controls/shell/UNavShellControls/ListData.h"

#include <cstring>

#include "controls/shell/UNavShellControls/DetailTexts.h"
#include "controls/shell/UNavShellUtils.h"
#include "platform/win/shellapi.h"

namespace {

constexpr SFGAOF kListAttributeMask = 0xF00F0037;

// Items on a removable drive are not asked whether they are read-only.
bool OnRemovableDrive(const std::string& path) {
  if (path.size() <= 3) return false;
  return GetDriveTypeA(path.c_str()) == DRIVE_REMOVABLE;
}

}  // namespace

TNavShListData::~TNavShListData() {
  FreeList(FAbsIdList);
  FreeList(FRelIdList);
}

void TNavShListData::FreeList(LPITEMIDLIST& list) {
  if (list) {
    if (IMalloc* malloc = FList ? FList->GetItemMalloc() : nullptr)
      malloc->Free(list);
    else
      ShellFree(list);
  }
  list = nullptr;
}

void TNavShListData::SetRelIdList(LPITEMIDLIST list) {
  if (list != FRelIdList) FreeList(FRelIdList);
  FRelIdList = list;
  Reset();
}

void TNavShListData::Reset() {
  FreeList(FAbsIdList);
  FDisplayName.clear();
  FDetailsLoaded = false;
}

LPCITEMIDLIST TNavShListData::AbsIdList() {
  if (!FAbsIdList) FAbsIdList = ConcatPidls(FList->GetItemMalloc(), FList->GetFolderIdList(), FRelIdList);
  return FAbsIdList;
}

SFGAOF TNavShListData::Attributes() {
  IShellFolder* folder = FList->GetBoundFolder();
  if (!folder || !FRelIdList) return 0;
  SFGAOF attributes = kListAttributeMask;
  if (OnRemovableDrive(GetItemPath())) attributes &= ~static_cast<SFGAOF>(SFGAO_READONLY);
  LPCITEMIDLIST items[] = {FRelIdList};
  // A failing call says nothing about the item: no attribute is claimed.
  if (FAILED(folder->GetAttributesOf(1, items, &attributes))) return 0;
  return attributes;
}

bool TNavShListData::IsFolder() {
  return (Attributes() & SFGAO_FOLDER) != 0;
}

bool TNavShListData::CanRename() {
  return (Attributes() & SFGAO_CANRENAME) != 0;
}

bool TNavShListData::IsLinkFile() {
  const std::string path = GetItemPath();
  if (path.size() < 4) return false;
  return strcasecmp(path.c_str() + path.size() - 4, ".lnk") == 0;
}

std::string TNavShListData::DisplayName() {
  if (FDisplayName.empty()) {
    SHFILEINFOA info{};
    if (SHGetFileInfoA(reinterpret_cast<LPCSTR>(AbsIdList()), 0, &info, sizeof info, SHGFI_DISPLAYNAME | SHGFI_PIDL))
      FDisplayName.assign(info.szDisplayName, strnlen(info.szDisplayName, sizeof info.szDisplayName));
  }
  return FDisplayName;
}

std::string TNavShListData::GetItemPath() {
  return PidlToPath(AbsIdList());
}

std::string TNavShListData::GetItemFileName() {
  return ExtractItemFileName(GetItemPath());
}

std::string TNavShListData::DetailText(int column) {
  if (column == 0) return {};
  if (IShellDetails* details = FList->GetColumnSource()) {
    SHELLDETAILS value{};
    if (FAILED(details->GetDetailsOf(FRelIdList, static_cast<UINT>(column), &value))) return {};
    std::string text = StrRetToString(FRelIdList, value.str);
    FreeStrRet(value.str);
    return text;
  }
  LoadDetails();
  switch (column) {
    case 1: return FSizeText;
    case 2: return FTypeText;
    case 3: return FModifiedText;
    default: return {};
  }
}

void TNavShListData::LoadDetails() {
  if (FDetailsLoaded) return;
  GetDetailTexts(AbsIdList(), Attributes(), FSizeText, FModifiedText, FTypeText);
  FDetailsLoaded = true;
}
