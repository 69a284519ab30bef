// The comparison behind the shell tree's and the shell list's refresh: what
// a control shows of a folder against what the folder holds now, so that
// only vanished and new items touch the control.
#pragma once

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "platform/win/shlobj.h"

// The order of item-ID lists a control keeps its shown items in.
using TNavPidlLess = std::function<bool(LPCITEMIDLIST, LPCITEMIDLIST)>;

struct TNavFolderDiff {
  // Per shown entry, in the order the entries have after the comparison:
  // whether the folder still holds it.
  std::vector<bool> Kept;
  // The folder's items that no shown entry matches, in the folder's order;
  // the caller owns them (ShellFree).
  std::vector<LPITEMIDLIST> Added;
};

// Matches the folder's items, listed with the flags under owner, against
// the shown lists sorted by less. A folder that cannot be listed holds
// nothing: every shown entry counts as gone.
TNavFolderDiff DiffSortedFolderItems(IShellFolder* folder, HWND owner, DWORD flags,
                                     const std::vector<LPCITEMIDLIST>& shown, const TNavPidlLess& less);

// Sorts the shown entries (an item-ID list and the control's item each) by
// less, then compares them with the folder as above.
template <class TShownItem>
TNavFolderDiff DiffFolderItems(IShellFolder* folder, HWND owner, DWORD flags,
                               std::vector<std::pair<LPCITEMIDLIST, TShownItem>>& shown, const TNavPidlLess& less) {
  std::stable_sort(shown.begin(), shown.end(), [&](const auto& x, const auto& y) { return less(x.first, y.first); });
  std::vector<LPCITEMIDLIST> lists;
  lists.reserve(shown.size());
  for (const auto& entry : shown) lists.push_back(entry.first);
  return DiffSortedFolderItems(folder, owner, flags, lists, less);
}
