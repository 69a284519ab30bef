// TControlItemStrings: the Items of a list box or combo box. While the
// control has a window the strings live in it and every call is a message;
// without one (before the window is made, or while it is made again) they
// wait here and go into the next window.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/vcl/classes/strings/Strings.h"
#include "platform/win/windef.h"

class TWinControl;

// The window messages of one kind of list (LB_xxx or CB_xxx).
struct TItemMessages {
  UINT AddString, InsertString, DeleteString, ResetContent, GetCount, GetText, GetTextLen, GetItemData, SetItemData,
      FindStringExact;
  int Err;
};

class TControlItemStrings : public TStrings {
  DRUMS_CLASS(TControlItemStrings, TStrings)

 public:
  TControlItemStrings(TWinControl* control, const TItemMessages& messages);

  int GetCount() const override;
  int Add(const std::string& s) override;
  int AddObject(const std::string& s, TObject* object) override;
  void Clear() override;
  void Delete(int index) override;
  void Insert(int index, const std::string& s) override;
  int IndexOf(const std::string& s) override;

  // A sorted list adds each new string at its sorted place.
  bool GetSorted() const { return FSorted; }
  void SetSorted(bool value);
  // The window was made: the waiting strings go into it.
  void MoveToWindow();
  // The window is going: its strings wait here for the next one.
  void MoveFromWindow();

 protected:
  std::string Get(int index) const override;
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;

 private:
  bool Live() const;
  LRESULT Send(UINT msg, WPARAM w, LPARAM l) const;
  int SortedPlace(const std::string& s) const;
  void CheckIndex(int index, bool allowEnd) const;

  TWinControl* FControl;
  TItemMessages FMessages;
  std::vector<std::pair<std::string, TObject*>> FWaiting;
  bool FSorted = false;
};
