#include "platform/vcl/filectrl/FileListBox.h"

#include <algorithm>
#include <vector>

#include "platform/vcl/classes/components/WeakRef.h"
#include "platform/vcl/rtl/FileNames.h"
#include "platform/vcl/rtl/FileSystem.h"
#include "platform/vcl/rtl/StringUtils.h"

// A file list starts in the current directory, as the program found it.
TFileListBox::TFileListBox(TComponent* AOwner) : TCustomListBox(AOwner), FDirectory(GetCurrentDir()) {}

void TFileListBox::Publish(TPublisher<TFileListBox>& p) {
  p.Prop("Directory", &TFileListBox::GetDirectory, &TFileListBox::SetDirectory);
  p.Prop("Mask", &TFileListBox::GetMask, &TFileListBox::SetMask);
  p.Prop("OnChange", &TFileListBox::OnChange);
}

void TFileListBox::Loaded() {
  inherited::Loaded();
  ReadFileNames();
}

void TFileListBox::SetDirectory(const std::string& value) {
  if (FDirectory == value) return;
  FDirectory = value;
  Update();
}

void TFileListBox::SetMask(const std::string& value) {
  std::string mask = value.empty() ? "*.*" : value;
  if (FMask == mask) return;
  FMask = mask;
  Update();
}

void TFileListBox::Update() {
  if (!GetComponentState().Contains(csLoading)) ReadFileNames();
}

void TFileListBox::ReadFileNames() {
  std::string folder = FDirectory.empty() ? GetCurrentDir() : FDirectory;
  std::vector<std::string> names;
  // "*.wav;*.mid": each mask adds its files once.
  size_t start = 0;
  while (start <= FMask.size()) {
    size_t end = FMask.find(';', start);
    if (end == std::string::npos) end = FMask.size();
    std::string mask = Trim(FMask.substr(start, end - start));
    start = end + 1;
    if (mask.empty()) continue;
    TSearchRec rec;
    if (FindFirst(IncludeTrailingBackslash(folder) + mask, faAnyFile & ~faDirectory, rec) == 0) {
      do {
        if (!(rec.Attr & faDirectory) && std::find(names.begin(), names.end(), rec.Name) == names.end())
          names.push_back(rec.Name);
      } while (FindNext(rec) == 0);
      FindClose(rec);
    }
  }
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
  TStrings* items = GetItems();
  items->BeginUpdate();
  items->Clear();
  for (const std::string& name : names) items->Add(name);
  items->EndUpdate();
}

std::string TFileListBox::GetFileName() {
  int index = GetItemIndex();
  if (index < 0) return "";
  std::string folder = FDirectory.empty() ? GetCurrentDir() : FDirectory;
  return IncludeTrailingBackslash(folder) + GetItems()->GetStrings(index);
}

void TFileListBox::Click() {
  // OnClick may free the list.
  TWeakRef<TFileListBox> self(this);
  inherited::Click();
  if (self && OnChange) OnChange(this);
}
