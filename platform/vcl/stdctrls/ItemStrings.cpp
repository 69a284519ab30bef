#include "platform/vcl/stdctrls/ItemStrings.h"

#include <algorithm>

#include "platform/vcl/controls/WinControl.h"
#include "platform/win/windows.h"

TControlItemStrings::TControlItemStrings(TWinControl* control, const TItemMessages& messages)
    : FControl(control), FMessages(messages) {}

bool TControlItemStrings::Live() const {
  return FControl->HandleAllocated();
}

LRESULT TControlItemStrings::Send(UINT msg, WPARAM w, LPARAM l) const {
  return SendMessageA(FControl->GetHandle(), msg, w, l);
}

void TControlItemStrings::CheckIndex(int index, bool allowEnd) const {
  int count = GetCount();
  if (index < 0 || index > count || (index == count && !allowEnd)) Error("List index out of bounds (%d)", index);
}

int TControlItemStrings::GetCount() const {
  if (!Live()) return static_cast<int>(FWaiting.size());
  return static_cast<int>(Send(FMessages.GetCount, 0, 0));
}

std::string TControlItemStrings::Get(int index) const {
  CheckIndex(index, false);
  if (!Live()) return FWaiting[static_cast<size_t>(index)].first;
  LRESULT len = Send(FMessages.GetTextLen, static_cast<WPARAM>(index), 0);
  if (len == FMessages.Err) Error("List index out of bounds (%d)", index);
  std::string text(static_cast<size_t>(len) + 1, '\0');
  Send(FMessages.GetText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(len));
  return text;
}

TObject* TControlItemStrings::GetObject(int index) const {
  CheckIndex(index, false);
  if (!Live()) return FWaiting[static_cast<size_t>(index)].second;
  return reinterpret_cast<TObject*>(Send(FMessages.GetItemData, static_cast<WPARAM>(index), 0));
}

void TControlItemStrings::PutObject(int index, TObject* object) {
  CheckIndex(index, false);
  if (!Live()) {
    FWaiting[static_cast<size_t>(index)].second = object;
    return;
  }
  Send(FMessages.SetItemData, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(object));
}

int TControlItemStrings::SortedPlace(const std::string& s) const {
  int count = GetCount();
  int i = 0;
  while (i < count && CompareStrings(Get(i), s) <= 0) i++;
  return i;
}

int TControlItemStrings::Add(const std::string& s) {
  return AddObject(s, nullptr);
}

int TControlItemStrings::AddObject(const std::string& s, TObject* object) {
  int index;
  if (Live()) {
    // The window sorts by itself when it was made sorted.
    index = static_cast<int>(Send(FMessages.AddString, 0, reinterpret_cast<LPARAM>(s.c_str())));
    if (index < 0) Error("Out of memory while expanding memory stream", index);
    if (object) Send(FMessages.SetItemData, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(object));
    return index;
  }
  index = FSorted ? SortedPlace(s) : GetCount();
  FWaiting.insert(FWaiting.begin() + index, {s, object});
  return index;
}

void TControlItemStrings::Insert(int index, const std::string& s) {
  CheckIndex(index, true);
  if (!Live()) {
    FWaiting.insert(FWaiting.begin() + index, {s, nullptr});
    return;
  }
  Send(FMessages.InsertString, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(s.c_str()));
}

void TControlItemStrings::Delete(int index) {
  CheckIndex(index, false);
  if (!Live()) {
    FWaiting.erase(FWaiting.begin() + index);
    return;
  }
  Send(FMessages.DeleteString, static_cast<WPARAM>(index), 0);
}

void TControlItemStrings::Clear() {
  FWaiting.clear();
  if (Live()) Send(FMessages.ResetContent, 0, 0);
}

int TControlItemStrings::IndexOf(const std::string& s) {
  if (!Live()) return TStrings::IndexOf(s);
  LRESULT r = Send(FMessages.FindStringExact, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(s.c_str()));
  return r == FMessages.Err ? -1 : static_cast<int>(r);
}

void TControlItemStrings::SetSorted(bool value) {
  if (FSorted == value) return;
  FSorted = value;
  if (value && !Live())
    std::stable_sort(FWaiting.begin(), FWaiting.end(),
                     [this](const auto& a, const auto& b) { return CompareStrings(a.first, b.first) < 0; });
}

void TControlItemStrings::MoveToWindow() {
  std::vector<std::pair<std::string, TObject*>> waiting;
  waiting.swap(FWaiting);
  for (auto& [text, object] : waiting) {
    int index = static_cast<int>(Send(FMessages.AddString, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (index >= 0 && object) Send(FMessages.SetItemData, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(object));
  }
}

void TControlItemStrings::MoveFromWindow() {
  std::vector<std::pair<std::string, TObject*>> saved;
  int count = GetCount();
  for (int i = 0; i < count; i++) saved.emplace_back(Get(i), GetObject(i));
  FWaiting = std::move(saved);
}
