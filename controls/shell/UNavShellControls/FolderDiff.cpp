#include "controls/shell/UNavShellControls/FolderDiff.h"

#include "controls/shell/UNavShellUtils/IdLists.h"

namespace {

std::vector<LPITEMIDLIST> DiffListFolder(IShellFolder* folder, HWND owner, DWORD flags) {
  std::vector<LPITEMIDLIST> found;
  IEnumIDList* enumerator = nullptr;
  if (FAILED(folder->EnumObjects(owner, flags, &enumerator)) || !enumerator) return found;
  LPITEMIDLIST item = nullptr;
  ULONG fetched = 0;
  while (enumerator->Next(1, &item, &fetched) == S_OK && fetched == 1 && item) found.push_back(item);
  enumerator->Release();
  return found;
}

}  // namespace

TNavFolderDiff DiffSortedFolderItems(IShellFolder* folder, HWND owner, DWORD flags,
                                     const std::vector<LPCITEMIDLIST>& shown, const TNavPidlLess& less) {
  TNavFolderDiff diff;
  diff.Kept.assign(shown.size(), false);
  std::vector<LPITEMIDLIST> found = DiffListFolder(folder, owner, flags);
  // From the last item to the first, each finds the first shown entry of
  // its name not matched yet.
  for (auto it = found.rbegin(); it != found.rend(); ++it) {
    auto at = std::lower_bound(shown.begin(), shown.end(), *it,
                               [&](LPCITEMIDLIST entry, LPCITEMIDLIST item) { return less(entry, item); });
    bool matched = false;
    for (; at != shown.end() && !less(*it, *at) && !matched; ++at) {
      const auto index = static_cast<std::size_t>(at - shown.begin());
      if (diff.Kept[index]) continue;
      diff.Kept[index] = true;
      matched = true;
    }
    if (matched)
      ShellFree(*it);
    else
      diff.Added.push_back(*it);
  }
  std::reverse(diff.Added.begin(), diff.Added.end());
  return diff;
}
