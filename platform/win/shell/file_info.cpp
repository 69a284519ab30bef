// SHGetFileInfoA: names, type names, attributes and system icon indexes of
// items given by path or by item list.
#include <sys/stat.h>

#include <cstring>

#include "platform/win/shell/folder_items.h"
#include "platform/win/shell/item_ids.h"
#include "platform/win/shell/namespace_paths.h"
#include "platform/win/shell/shell_folder.h"
#include "platform/win/shell/system_icon_handles.h"
#include "platform/win/shell/system_icons.h"
#include "platform/win/shell/system_image_lists.h"
#include "platform/win/shell/type_names.h"
#include "platform/win/shellapi.h"

using namespace win::shell;

namespace {

void CopyCut(const std::string& text, char* out, std::size_t room) {
  const std::size_t length = std::min(text.size(), room - 1);
  std::memcpy(out, text.data(), length);
  out[length] = 0;
}

int IconIndexOf(const Items& items, UINT flags) {
  if (items.empty()) return kIconDesktop;
  const Item& item = items.back();
  switch (item.kind) {
    case ItemKind::MyComputer: return kIconComputer;
    case ItemKind::Home: return kIconHome;
    case ItemKind::Volume: return IconOfVolume(item.volume);
    case ItemKind::Folder: return (flags & SHGFI_OPENICON) ? kIconOpenFolder : kIconFolder;
    case ItemKind::File: break;
  }
  return IconOfFileName(item.name);
}

std::string ItemName(std::string_view path) {
  while (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.remove_suffix(1);
  const std::size_t cut = path.find_last_of("\\/");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

}  // namespace

DWORD_PTR SHGetFileInfoA(LPCSTR pszPath, DWORD dwFileAttributes, SHFILEINFOA* psfi, UINT cbFileInfo, UINT uFlags) {
  if (!pszPath) return 0;
  if (psfi && cbFileInfo < sizeof(SHFILEINFOA)) return 0;
  Items items;
  bool described = false;  // from the caller's attributes, without the file
  if (uFlags & SHGFI_PIDL) {
    const std::optional<Items> decoded = DecodeIdList(reinterpret_cast<LPCITEMIDLIST>(pszPath));
    if (!decoded) return 0;
    items = *decoded;
  } else if (uFlags & SHGFI_USEFILEATTRIBUTES) {
    const bool folder = dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    items.push_back({folder ? ItemKind::Folder : ItemKind::File, ItemName(pszPath)});
    described = true;
  } else if (FAILED(ParseAbsolutePath(pszPath, &items))) {
    return 0;
  }

  if (psfi) {
    psfi->hIcon = nullptr;
    const std::optional<std::string> path = described ? std::nullopt : PathOf(items);
    struct stat info {};
    const bool isLink = path && lstat(path->c_str(), &info) == 0 && S_ISLNK(info.st_mode);
    if (uFlags & SHGFI_SYSICONINDEX) {
      psfi->iIcon = IconIndexOf(items, uFlags);
      if ((uFlags & SHGFI_OVERLAYINDEX) && isLink) psfi->iIcon |= 2 << 24;  // the link overlay
    }
    if (uFlags & SHGFI_ICON) {
      psfi->hIcon = CreateSystemIcon(IconIndexOf(items, uFlags), (uFlags & SHGFI_SMALLICON) ? 16 : 32,
                                     (uFlags & SHGFI_LINKOVERLAY) || isLink);
    }
    if (uFlags & SHGFI_DISPLAYNAME) {
      std::string name = items.empty() ? "Desktop" : items.back().name;
      if (!described) {
        IShellFolder* desktop = nullptr;
        if (SUCCEEDED(CreateShellFolder({}, IID_IShellFolder, reinterpret_cast<void**>(&desktop)))) {
          LPITEMIDLIST list = EncodeIdList(items);
          STRRET text{};
          if (list && desktop->GetDisplayNameOf(list, SHGDN_NORMAL, &text) == S_OK) {
            if (text.uType == STRRET_CSTR) {
              name = text.cStr;
            } else {
              name.clear();
              CoTaskMemFree(text.pOleStr);
            }
          }
          CoTaskMemFree(list);
          desktop->Release();
        }
      }
      CopyCut(name, psfi->szDisplayName, sizeof psfi->szDisplayName);
    }
    if (uFlags & SHGFI_TYPENAME) {
      const std::string type = items.empty() ? "System Folder" : TypeNameOf(items.back());
      CopyCut(type, psfi->szTypeName, sizeof psfi->szTypeName);
    }
    if (uFlags & SHGFI_ATTRIBUTES) {
      Items parent = items;
      Items last;
      if (!parent.empty()) {
        last.push_back(parent.back());
        parent.pop_back();
      }
      psfi->dwAttributes = described ? 0 : AttributesOf(parent, last);
    }
  }
  if (uFlags & SHGFI_SYSICONINDEX) return reinterpret_cast<DWORD_PTR>(SystemImageList((uFlags & SHGFI_SMALLICON) != 0));
  return 1;
}
