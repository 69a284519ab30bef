// TStringList: the concrete string list, optionally sorted, with change
// events.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/vcl/classes/typeinfo/Event.h"
#include "platform/vcl/classes/strings/Strings.h"

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
// < 0, 0 or > 0 for the strings at index1 and index2 of list.
using TStringListSortCompare = std::function<int(TStringList* list, int index1, int index2)>;

class TStringList : public TStrings {
  DRUMS_CLASS(TStringList, TStrings)

 public:
  TStringList() = default;
  ~TStringList() override;

  // In a sorted list: the sorted position, and Duplicates decides about an
  // equal string (dupError: EStringListError "String list does not allow
  // duplicates").
  int Add(const std::string& s) override;
  int AddObject(const std::string& s, TObject* object) override;
  void Clear() override;
  void Delete(int index) override;
  void Exchange(int index1, int index2) override;
  // Binary search of a sorted list; index is the match or the insert position.
  bool Find(const std::string& s, int& index);
  int IndexOf(const std::string& s) override;
  // Not allowed on a sorted list.
  void Insert(int index, const std::string& s) override;
  virtual void Sort();
  virtual void CustomSort(const TStringListSortCompare& compare);

  int GetCount() const override { return static_cast<int>(FList.size()); }
  bool GetSorted() const { return FSorted; }
  void SetSorted(bool value);
  TDuplicates GetDuplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates value) { FDuplicates = value; }
  bool GetCaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool value);
  const TNotifyEvent& GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent value) { FOnChange = std::move(value); }
  const TNotifyEvent& GetOnChanging() const { return FOnChanging; }
  void SetOnChanging(TNotifyEvent value) { FOnChanging = std::move(value); }

 protected:
  virtual void Changed();
  virtual void Changing();
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;
  void SetUpdateState(bool updating) override;
  int CompareStrings(const std::string& s1, const std::string& s2) const override;
  virtual void InsertItem(int index, const std::string& s, TObject* object);

 private:
  struct Item {
    std::string String;
    TObject* Object;
  };
  void CheckIndex(int index) const;
  void QuickSort(int left, int right, const TStringListSortCompare& compare);

  std::vector<Item> FList;
  bool FSorted = false;
  TDuplicates FDuplicates = dupIgnore;
  bool FCaseSensitive = false;
  TNotifyEvent FOnChange;
  TNotifyEvent FOnChanging;
};
