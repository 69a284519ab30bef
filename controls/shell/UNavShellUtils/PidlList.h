// TNavPidlList: item-ID lists with an object each, optionally sorted by a
// shell folder's order or by their bytes.
#pragma once

#include "platform/vcl/Classes.h"
#include "platform/win/shlobj.h"

enum TNavPidlDuplicates { pdIgnore = 0, pdAccept = 1, pdError = 2 };

class TNavPidlList : public TObject {
  DRUMS_CLASS(TNavPidlList, TObject)

 public:
  TNavPidlList();
  ~TNavPidlList() override;
  TNavPidlList(const TNavPidlList&) = delete;
  TNavPidlList& operator=(const TNavPidlList&) = delete;

  // Lists are stored as given, without copying.
  virtual int Add(LPITEMIDLIST list);
  // Unsorted: appended. Sorted: where Find puts it; an equal entry is
  // returned (Duplicates 0), raises "TNavPidlList: Duplicate PIDL" (2) or is
  // joined by the new one before it (1).
  virtual int AddObject(LPITEMIDLIST list, TObject* object);
  void Delete(int index);
  void Clear();
  void Sort();
  // Binary search; true when an equal entry exists. index: where it is, or
  // where the list would go. With Duplicates 1: the first of the equal ones.
  bool Find(LPCITEMIDLIST list, int& index);
  int IndexOf(LPCITEMIDLIST list);

  int GetCount() const { return FList.GetCount(); }
  int GetCapacity() const { return FList.GetCapacity(); }
  void SetCapacity(int value) { FList.SetCapacity(value); }
  LPITEMIDLIST GetPidls(int index) const;
  TObject* GetObjects(int index) const;
  bool GetSorted() const { return FSorted; }
  void SetSorted(bool value);
  // The folder whose CompareIDs orders the entries (no reference is held);
  // nil: byte order.
  IShellFolder* GetShellFolder() const { return FShellFolder; }
  void SetShellFolder(IShellFolder* value) { FShellFolder = value; }
  // When set, Delete and Clear free the entries' lists with it.
  IMalloc* GetMalloc() const { return FMalloc; }
  void SetMalloc(IMalloc* value) { FMalloc = value; }
  TNavPidlDuplicates GetDuplicates() const { return FDuplicates; }
  void SetDuplicates(TNavPidlDuplicates value) { FDuplicates = value; }

 private:
  TList FList;
  bool FSorted = false;
  IShellFolder* FShellFolder = nullptr;
  IMalloc* FMalloc = nullptr;
  TNavPidlDuplicates FDuplicates = pdError;
};

// Byte order of two lists, terminators included: the first differing byte
// decides (unsigned); a list that starts another comes first.
int ComparePidlBytes(LPCITEMIDLIST a, LPCITEMIDLIST b);
