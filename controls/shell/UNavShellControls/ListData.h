// TNavShListData: what a shell list's item knows of its shell item, with
// the texts that are costly to ask the shell for cached.
#pragma once

#include <string>

#include "platform/vcl/Classes.h"
#include "platform/win/shlobj.h"

// What a shell list gives the data of its items.
class TNavShListDataOwner {
 public:
  // The allocator of the items' lists.
  virtual IMalloc* GetItemMalloc() = 0;
  // The listed folder's absolute list.
  virtual LPCITEMIDLIST GetFolderIdList() = 0;
  virtual IShellFolder* GetBoundFolder() = 0;
  // The column source, or nil.
  virtual IShellDetails* GetColumnSource() = 0;

 protected:
  ~TNavShListDataOwner() = default;
};

class TNavShListData : public TObject {
  DRUMS_CLASS(TNavShListData, TObject)

 public:
  explicit TNavShListData(TNavShListDataOwner* list) : FList(list) {}
  ~TNavShListData() override;
  TNavShListData(const TNavShListData&) = delete;
  TNavShListData& operator=(const TNavShListData&) = delete;

  // Takes list over (no copy) and forgets the cached values.
  void SetRelIdList(LPITEMIDLIST list);
  LPCITEMIDLIST GetRelIdList() const { return FRelIdList; }
  void Reset();

  LPCITEMIDLIST AbsIdList();
  // The item's attributes; 0 when the shell cannot say.
  SFGAOF Attributes();
  bool IsFolder();
  bool CanRename();
  bool IsLinkFile();
  std::string DisplayName();
  // The full path; empty outside the file system.
  std::string GetItemPath();
  // The name after the path's last separator (a ":" belongs to the name).
  std::string GetItemFileName();
  // Column 1 size, 2 type, 3 modified; 0 and others empty. A column source
  // of the list answers first.
  std::string DetailText(int column);
  void LoadDetails();

 private:
  void FreeList(LPITEMIDLIST& list);

  TNavShListDataOwner* FList;
  LPITEMIDLIST FAbsIdList = nullptr;
  LPITEMIDLIST FRelIdList = nullptr;
  std::string FDisplayName;
  bool FDetailsLoaded = false;
  std::string FSizeText;
  std::string FTypeText;
  std::string FModifiedText;
};
