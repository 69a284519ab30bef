// Binding, parsing and naming shell items; special folders; icons and the
// system image lists.
#pragma once

#include <string>

#include "platform/win/commctrl.h"
#include "platform/win/shellapi.h"
#include "platform/win/shlobj.h"

// Display-name kinds.
enum TNavNameKind { nkNormal = 0, nkInFolder = 1, nkForParsing = 2 };
// Icon sizes of the system image lists.
enum TNavIconSize { isSmall = 0, isLarge = 1 };

// The last special-folder number GetSpecialFolderId tries, and its answer
// when none matches.
inline constexpr int kNavLastSpecialFolder = 28;

// The desktop folder for nil or the empty list, else the desktop's
// BindToObject of the list. The caller releases the folder.
HRESULT GetShellFolder(LPCITEMIDLIST list, IShellFolder** folder);
// Parses a path into an absolute list (0 = success). A path longer than 259
// UTF-16 characters fails instead of being cut.
HRESULT PathToPidl(const std::string& path, LPITEMIDLIST* list);
// The item's file-system path; nil is the desktop; empty without a path.
std::string PidlToPath(LPCITEMIDLIST list);
// SHGetSpecialFolderLocation with the number's low 7 bits.
HRESULT GetSpecialFolderPidl(HWND owner, int csidl, LPITEMIDLIST* list);
// The special folder's path; empty when it cannot be located.
std::string GetSpecialFolderPath(HWND owner, int csidl);
// The first number from 0 to 28 whose folder equals the list; 28 when none.
BYTE GetSpecialFolderId(LPCITEMIDLIST list);
// The item's index in the system image list; 0 when the shell fails.
int GetIconIndex(LPCITEMIDLIST list, UINT extraFlags);
// The system image list of a size, with the share and link overlays set up
// once (overlays 1 and 2) where the system supports them.
HIMAGELIST GetSystemImageList(TNavIconSize size);
// Tests: the next GetSystemImageList sets the overlays up again.
void ResetNavOverlays();
// The name of a relative list in a folder (nil: the desktop); empty on failure.
std::string GetDisplayName(IShellFolder* folder, LPCITEMIDLIST list, TNavNameKind kind);
// The text of a STRRET; an offset is read inside the list (nothing for nil).
std::string StrRetToString(LPCITEMIDLIST list, const STRRET& value);
// Frees a wide string held by a STRRET.
void FreeStrRet(STRRET& value);
// Appends the character unless the text already ends with it; the empty text
// stays empty.
std::string AddTrailingChar(const std::string& text, char character);
// Appends the character at position (1-based) to result and moves past it.
void AppendCharAt(int& position, const std::string& text, std::string& result);
// The part of a path after its last "\" or "/"; a ":" belongs to the name.
std::string ExtractItemFileName(const std::string& path);
