#include "platform/win/shell/context_menu.h"

#include <cstring>

#include "platform/win/kernel/paths.h"
#include "platform/win/shell/com_base.h"
#include "platform/win/shell/data_object.h"
#include "platform/win/shell/file_moves.h"
#include "platform/win/shell/namespace_paths.h"
#include "platform/win/shell/shell_clipboard.h"
#include "platform/win/shell/type_names.h"
#include "platform/win/shellapi.h"
#include "platform/win/windows.h"

namespace win::shell {

namespace {

constexpr HRESULT kCancelled = HRESULT_FROM_WIN32(1223L);  // ERROR_CANCELLED

enum Offset : UINT {
  kOpen = 0,
  kDelete = 17,
  kRename = 18,
  kProperties = 19,
  kCut = 24,
  kCopy = 25,
  kPaste = 26,
  kSendToPlaceholder = 30,
};

struct Command {
  UINT offset;
  const char* verb;
  const char* label;
  const char* help;
};

constexpr Command kCommands[] = {
    {kOpen, "open", "&Open", "Opens the selected items."},
    {kDelete, "delete", "&Delete", "Moves the selected items to the Trash."},
    {kRename, "rename", "Rena&me", "Renames the selected item."},
    {kProperties, "properties", "P&roperties", "Shows the properties of the selected items."},
    {kCut, "cut", "Cu&t", "Removes the selected items and copies them onto the Clipboard."},
    {kCopy, "copy", "&Copy", "Copies the selected items to the Clipboard."},
    {kPaste, "paste", "&Paste", "Inserts the items you have copied or cut into the selected folder."},
};

const Command* FindCommand(UINT offset) {
  for (const Command& command : kCommands) {
    if (command.offset == offset) return &command;
  }
  return nullptr;
}

const Command* FindVerb(const char* verb) {
  for (const Command& command : kCommands) {
    if (win::kernel::EqualsIgnoringCase(verb, command.verb)) return &command;
  }
  return nullptr;
}

void CopyText(const char* text, UINT type, LPSTR out, UINT room) {
  if (!out || room == 0) return;
  if (type & GCS_UNICODE) {
    auto* wide = reinterpret_cast<WCHAR*>(out);
    UINT i = 0;
    for (; text[i] && i + 1 < room; ++i) wide[i] = static_cast<unsigned char>(text[i]);
    wide[i] = 0;
  } else {
    const std::size_t length = std::min<std::size_t>(std::strlen(text), room - 1);
    std::memcpy(out, text, length);
    out[length] = 0;
  }
}

// Only IContextMenu: the menu leaves its "Send To" popup to the caller, who
// fills and draws it from the menu messages (a menu answering IContextMenu2
// would be handed those messages instead).
class ShellContextMenu final : public ComObject<IContextMenu> {
 public:
  ShellContextMenu(Items folder, std::vector<Items> children)
      : folder_(std::move(folder)), children_(std::move(children)) {}

  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    return Answer(ppv, riid == IID_IUnknown || riid == IID_IContextMenu);
  }

  HRESULT QueryContextMenu(HMENU menu, UINT index, UINT first, UINT last, UINT flags) override {
    if (!menu) return E_INVALIDARG;
    UINT position = index;
    UINT highest = 0;
    bool pendingSeparator = false;
    auto add = [&](UINT offset, const char* label, UINT extra = 0) {
      if (first + offset > last) return;
      if (pendingSeparator && position > index) InsertMenuA(menu, position++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
      pendingSeparator = false;
      InsertMenuA(menu, position++, MF_BYPOSITION | MF_STRING | extra, first + offset, label);
      highest = std::max(highest, offset + 1);
    };
    auto label = [](UINT offset) { return FindCommand(offset)->label; };

    if (children_.empty()) {
      add(kPaste, label(kPaste), PasteSource() ? 0 : MF_GRAYED);
      pendingSeparator = true;
      add(kProperties, label(kProperties));
      return MAKE_HRESULT(SEVERITY_SUCCESS, 0, highest);
    }
    add(kOpen, label(kOpen));
    if (!(flags & CMF_NODEFAULT)) SetMenuDefaultItem(menu, first + kOpen, FALSE);
    if (flags & CMF_DEFAULTONLY) return MAKE_HRESULT(SEVERITY_SUCCESS, 0, highest);
    pendingSeparator = true;
    if (first + kSendToPlaceholder <= last) {
      HMENU sendTo = CreatePopupMenu();
      AppendMenuA(sendTo, MF_STRING | MF_GRAYED, first + kSendToPlaceholder, "(empty)");
      if (position > index) InsertMenuA(menu, position++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
      InsertMenuA(menu, position++, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(sendTo), "Se&nd To");
      highest = std::max<UINT>(highest, kSendToPlaceholder + 1);
    }
    pendingSeparator = true;
    add(kCut, label(kCut));
    add(kCopy, label(kCopy));
    if (PasteTarget()) add(kPaste, label(kPaste), PasteSource() ? 0 : MF_GRAYED);
    pendingSeparator = true;
    add(kDelete, label(kDelete));
    if ((flags & CMF_CANRENAME) && children_.size() == 1) add(kRename, label(kRename));
    pendingSeparator = true;
    add(kProperties, label(kProperties));
    return MAKE_HRESULT(SEVERITY_SUCCESS, 0, highest);
  }

  HRESULT InvokeCommand(CMINVOKECOMMANDINFO* info) override {
    if (!info) return E_INVALIDARG;
    // MAKEINTRESOURCE(0), the first command, is a null verb pointer.
    const Command* command = IS_INTRESOURCE(info->lpVerb)
                                 ? FindCommand(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(info->lpVerb)))
                                 : FindVerb(info->lpVerb);
    if (!command) return E_INVALIDARG;
    const bool quiet = info->fMask & CMIC_MASK_FLAG_NO_UI;
    switch (command->offset) {
      case kOpen: return Open(info->hwnd);
      case kCut:
      case kCopy: return ToClipboard(command->offset == kCut);
      case kPaste: return Paste();
      case kDelete: return Delete(info->hwnd, quiet);
      case kRename: return S_OK;  // names are edited by the view and set through SetNameOf
      case kProperties: return Properties(info->hwnd, quiet);
      default: return E_INVALIDARG;
    }
  }

  HRESULT GetCommandString(UINT_PTR offset, UINT type, UINT*, LPSTR name, UINT room) override {
    const Command* command = FindCommand(static_cast<UINT>(offset));
    if (!command) return E_INVALIDARG;
    switch (type & ~GCS_UNICODE) {
      case GCS_VERBA: CopyText(command->verb, type, name, room); return S_OK;
      case GCS_HELPTEXTA: CopyText(command->help, type, name, room); return S_OK;
      case GCS_VALIDATEA: return S_OK;
      default: return E_INVALIDARG;
    }
  }

 private:
  std::vector<std::string> ChildPaths() const {
    std::vector<std::string> paths;
    for (const Items& child : children_) {
      if (const std::optional<std::string> path = PathOf(folder_, child)) paths.push_back(*path);
    }
    return paths;
  }

  // The folder a paste lands in: the folder itself for its background, or
  // the one folder item the menu is for.
  std::optional<std::string> PasteTarget() const {
    if (children_.empty()) return PathOf(folder_);
    if (children_.size() == 1 && children_[0].back().IsFolder()) return PathOf(folder_, children_[0]);
    return std::nullopt;
  }

  static bool PasteSource() {
    IDataObject* data = ShellClipboard(nullptr);
    if (!data) return false;
    data->Release();
    return true;
  }

  HRESULT Open(HWND owner) {
    for (const std::string& path : ChildPaths()) {
      const auto result = reinterpret_cast<INT_PTR>(
          ShellExecuteA(owner, "open", ShownPath(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
      if (result <= 32) return E_FAIL;
    }
    return S_OK;
  }

  HRESULT ToClipboard(bool cut) {
    IDataObject* data = CreateShellDataObject(folder_, children_);
    SetShellClipboard(data, cut);
    data->Release();
    return S_OK;
  }

  HRESULT Paste() {
    const std::optional<std::string> target = PasteTarget();
    bool cut = false;
    IDataObject* data = ShellClipboard(&cut);
    if (!target || !data) {
      if (data) data->Release();
      return E_FAIL;
    }
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    HRESULT result = data->GetData(&format, &medium);
    data->Release();
    if (FAILED(result)) return result;
    const std::vector<std::string> sources = PathsOfDropFiles(GlobalLock(medium.hGlobal), GlobalSize(medium.hGlobal));
    GlobalUnlock(medium.hGlobal);
    ReleaseStgMedium(&medium);
    for (const std::string& source : sources) {
      const std::string posix = win::kernel::ResolvePath(source);
      const std::string placed = cut ? MoveInto(posix, *target) : CopyInto(posix, *target);
      if (placed.empty()) result = E_FAIL;
    }
    // What was cut has moved; it cannot be pasted a second time.
    if (cut) SetShellClipboard(nullptr, false);
    return result;
  }

  HRESULT Delete(HWND owner, bool quiet) {
    const std::vector<std::string> paths = ChildPaths();
    if (paths.empty()) return E_FAIL;
    if (!quiet) {
      const std::string question =
          paths.size() == 1
              ? "Are you sure you want to move '" + LastName(paths[0]) + "' to the Trash?"
              : "Are you sure you want to move these " + std::to_string(paths.size()) + " items to the Trash?";
      if (MessageBoxA(owner, question.c_str(), "Confirm File Delete", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return kCancelled;
    }
    HRESULT result = S_OK;
    for (const std::string& path : paths) {
      if (!MoveToTrash(path)) result = E_FAIL;
    }
    return result;
  }

  HRESULT Properties(HWND owner, bool quiet) {
    std::string text;
    for (const Items& child : children_) {
      const std::optional<std::string> path = PathOf(folder_, child);
      text += (path ? ShownPath(*path) : child.back().name) + "\n" + TypeNameOf(child.back()) + "\n\n";
    }
    if (children_.empty()) {
      const std::optional<std::string> path = PathOf(folder_);
      text = path ? ShownPath(*path) : "My Computer";
    }
    if (!quiet) MessageBoxA(owner, text.c_str(), "Properties", MB_OK);
    return S_OK;
  }

  Items folder_;
  std::vector<Items> children_;
};

}  // namespace

IContextMenu* CreateShellContextMenu(const Items& folder, const std::vector<Items>& children) {
  return new ShellContextMenu(folder, children);
}

}  // namespace win::shell
