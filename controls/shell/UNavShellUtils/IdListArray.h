// TNavIdListArray: the items of an absolute list one by one, and its
// ancestors.
#pragma once

#include "platform/vcl/Classes.h"
#include "platform/win/shlobj.h"

class TNavIdListArray : public TObject {
  DRUMS_CLASS(TNavIdListArray, TObject)

 public:
  // The list is walked, not copied and not owned.
  explicit TNavIdListArray(LPCITEMIDLIST list) : FList(list) {}
  TNavIdListArray() = default;
  ~TNavIdListArray() override;
  TNavIdListArray(const TNavIdListArray&) = delete;
  TNavIdListArray& operator=(const TNavIdListArray&) = delete;

  // The number of items; 0 for nil.
  int GetCount() const;
  // A single-item list (the item and a terminator), kept until the next call.
  // Raises "TNavIdListArray - index %d out of range" for a nil list, a
  // negative index, or an index at or past Count on a non-empty list; index 0
  // of the empty list gives the empty list.
  LPCITEMIDLIST Item(int index);
  // The first Count - levels items, kept until the next call: Count levels
  // give the empty list (the desktop), more give nil, as does a nil list.
  LPCITEMIDLIST Ancestor(int levels);

 private:
  void Keep(LPITEMIDLIST list);

  LPCITEMIDLIST FList = nullptr;
  LPITEMIDLIST FLast = nullptr;
};
