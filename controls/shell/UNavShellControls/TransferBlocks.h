// The global-memory blocks of dragged shell items: "Shell IDList Array"
// (CIDA) and CF_HDROP, and the reading of a CIDA that came from elsewhere.
#pragma once

#include <string>
#include <vector>

#include "platform/win/ole2.h"
#include "platform/win/shlobj.h"

// The clipboard format number of "Shell IDList Array", registered when the
// unit starts (or on first use).
CLIPFORMAT CF_SHELLIDLIST();

// The CIDA of the children under the parent (nil: the desktop, stored as the
// empty list): count, the offsets of the parent and of each child, then the
// lists. Moveable, zero-filled. S_OK or E_OUTOFMEMORY.
HRESULT CreateShellIdListData(LPCITEMIDLIST parent, const std::vector<LPCITEMIDLIST>& children, HGLOBAL& block);
// CF_HDROP: the 20-byte DROPFILES header, each path with its NUL, one more
// NUL. Sized from the paths, never less than count * 260 + 21 bytes.
HRESULT CreateHDropData(const std::vector<std::string>& paths, HGLOBAL& block);
// A new moveable block with the same size and bytes; 0 on failure.
HGLOBAL DuplicateGlobal(HGLOBAL block);

// A CIDA read from a block of a given size: every list pointer lies inside
// the block with its chain ending at its terminator. False (nothing filled)
// when the count, an offset or a chain does not fit.
struct TNavCidaView {
  LPCITEMIDLIST Parent = nullptr;
  std::vector<LPCITEMIDLIST> Children;
};
bool ReadCida(const void* block, std::size_t size, TNavCidaView& view);
